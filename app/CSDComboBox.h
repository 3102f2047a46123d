#pragma once

#include <QComboBox>

// A combo box that reports its tag when it loses the focus (0: nothing to
// report), so that an in-place chooser can commit its choice.
class CSDComboBox : public QComboBox {
    Q_OBJECT

public:
    using QComboBox::QComboBox;

    void SetTag(int tag) { m_tag = tag; }
    int GetTag() const { return m_tag; }

signals:
    void FocusLost(int tag);

protected:
    void focusOutEvent(QFocusEvent* event) override;

private:
    int m_tag = 0;
};
