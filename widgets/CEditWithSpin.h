#pragma once

#include <QSpinBox>

// A numeric edit with spin arrows. Printable characters other than digits
// cannot be typed, and a paste keeps only its digits; editing and clipboard
// keys work as usual. The edit takes any number up to the maximum, 0 and the
// empty text included, so that its owner can refuse a value with its own
// message, while the arrows keep to the spin range.
class CEditWithSpin : public QSpinBox {
    Q_OBJECT

public:
    explicit CEditWithSpin(QWidget* parent = nullptr);

    void SetSpinRange(int lower, int upper);
    // The text as it stands in the edit.
    QString Text() const;
    void SetText(const QString& text);

signals:
    // Every change of the text, typed or set.
    void TextChanged(const QString& text);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    QValidator::State validate(QString& text, int& pos) const override;
    int valueFromText(const QString& text) const override;
    StepEnabled stepEnabled() const override;
    void stepBy(int steps) override;

private:
    int m_lower = 0;
};
