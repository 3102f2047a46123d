#pragma once

#include <QSpinBox>

// A numeric edit with spin arrows. Typing is free: the text stays as typed,
// a number beyond the bounds, letters and the empty text included, so that
// its owner refuses it with its own message when the value is committed
// instead of the edit cutting it short. The arrows keep to the spin range.
class CEditWithSpin : public QSpinBox {
    Q_OBJECT

public:
    explicit CEditWithSpin(QWidget* parent = nullptr);

    void SetSpinRange(int lower, int upper);
    // The text as it stands in the edit.
    QString Text() const;
    void SetText(const QString& text);
    // The owner's refusal of the committed text: the message, then the
    // focus back with the text selected. The message box taking the focus
    // commits nothing meanwhile.
    void Refuse(unsigned messageId);

signals:
    // Every change of the text, typed or set.
    void TextChanged(const QString& text);

protected:
    QValidator::State validate(QString& text, int& pos) const override;
    int valueFromText(const QString& text) const override;
    QString textFromValue(int value) const override;
    StepEnabled stepEnabled() const override;
    void stepBy(int steps) override;

private:
    // value() of a text that is no number within 0 to the upper bound.
    static constexpr int kNoNumber = -1;

    int m_lower = 0;
};
