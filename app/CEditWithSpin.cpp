#include "CEditWithSpin.h"

#include <QKeyEvent>
#include <QLineEdit>

#include <algorithm>

CEditWithSpin::CEditWithSpin(QWidget* parent)
    : QSpinBox(parent)
{
    connect(lineEdit(), &QLineEdit::textChanged, this, &CEditWithSpin::TextChanged);
}

void CEditWithSpin::SetSpinRange(int lower, int upper)
{
    m_lower = lower;
    setRange(0, upper);
}

QString CEditWithSpin::Text() const
{
    return lineEdit()->text();
}

void CEditWithSpin::SetText(const QString& text)
{
    lineEdit()->setText(text);
}

void CEditWithSpin::keyPressEvent(QKeyEvent* event)
{
    const QString text = event->text();
    if (!text.isEmpty() && text.front().unicode() >= 32 && !text.front().isDigit()) {
        event->accept();
        return;
    }
    QSpinBox::keyPressEvent(event);
}

void CEditWithSpin::focusOutEvent(QFocusEvent* event)
{
    QSpinBox::focusOutEvent(event);
    // A context menu takes the focus only for a moment.
    if (m_tag != 0 && event->reason() != Qt::PopupFocusReason)
        emit FocusLost(m_tag);
}

QValidator::State CEditWithSpin::validate(QString& text, int&) const
{
    const qsizetype maxDigits = QString::number(maximum()).size();
    if (text.size() > maxDigits)
        return QValidator::Invalid;
    for (const QChar c : text)
        if (c < u'0' || c > u'9')
            return QValidator::Invalid;
    return text.isEmpty() || text.toInt() <= maximum() ? QValidator::Acceptable : QValidator::Invalid;
}

int CEditWithSpin::valueFromText(const QString& text) const
{
    return text.toInt();
}

QAbstractSpinBox::StepEnabled CEditWithSpin::stepEnabled() const
{
    StepEnabled enabled = StepNone;
    if (isReadOnly())
        return enabled;
    if (value() < maximum())
        enabled |= StepUpEnabled;
    if (value() > m_lower)
        enabled |= StepDownEnabled;
    return enabled;
}

void CEditWithSpin::stepBy(int steps)
{
    setValue(std::clamp(value() + steps * singleStep(), m_lower, maximum()));
    selectAll();
}
