#pragma once

#include <QSpinBox>

// A numeric edit with spin arrows. Only digits can be typed; the edit takes
// any number up to the maximum, 0 and the empty text included, so that its
// owner can refuse a value with its own message, while the arrows keep to
// the spin range. Losing the focus reports the tag (0: nothing to report).
class CEditWithSpin : public QSpinBox {
    Q_OBJECT

public:
    explicit CEditWithSpin(QWidget* parent = nullptr);

    void SetTag(int tag) { m_tag = tag; }
    int GetTag() const { return m_tag; }
    void SetSpinRange(int lower, int upper);
    // The text as it stands in the edit.
    QString Text() const;
    void SetText(const QString& text);

signals:
    void FocusLost(int tag);
    // Every change of the text, typed or set.
    void TextChanged(const QString& text);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    QValidator::State validate(QString& text, int& pos) const override;
    int valueFromText(const QString& text) const override;
    StepEnabled stepEnabled() const override;
    void stepBy(int steps) override;

private:
    int m_tag = 0;
    int m_lower = 0;
};
