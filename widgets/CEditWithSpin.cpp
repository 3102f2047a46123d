#include "CEditWithSpin.h"

#include <QKeyEvent>
#include <QLineEdit>

#include <algorithm>

namespace {
bool IsDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}
}

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

// Delete arrives with the text "\x7f" and shortcuts with their letter: only
// plain typing of a printable non-digit is refused.
void CEditWithSpin::keyPressEvent(QKeyEvent* event)
{
    const QString text = event->text();
    const bool shortcut = event->modifiers() & (Qt::ControlModifier | Qt::MetaModifier);
    if (!shortcut && !text.isEmpty() && text.front().isPrint() && !IsDigit(text.front())) {
        event->accept();
        return;
    }
    QSpinBox::keyPressEvent(event);
}

QValidator::State CEditWithSpin::validate(QString& text, int& pos) const
{
    for (qsizetype i = text.size() - 1; i >= 0; --i)
        if (!IsDigit(text[i])) {
            text.remove(i, 1);
            if (i < pos)
                --pos;
        }
    const qsizetype maxDigits = QString::number(maximum()).size();
    if (text.size() > maxDigits)
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
