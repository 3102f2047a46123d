#include "CEditWithSpin.h"

#include "CMessageService.h"

#include <QLineEdit>
#include <QSignalBlocker>
#include <QTimer>

#include <algorithm>

CEditWithSpin::CEditWithSpin(QWidget* parent)
    : QSpinBox(parent)
{
    connect(lineEdit(), &QLineEdit::textChanged, this, &CEditWithSpin::TextChanged);
}

void CEditWithSpin::SetSpinRange(int lower, int upper)
{
    m_lower = lower;
    setRange(kNoNumber, upper);
}

QString CEditWithSpin::Text() const
{
    return lineEdit()->text();
}

void CEditWithSpin::SetText(const QString& text)
{
    lineEdit()->setText(text);
}

void CEditWithSpin::Refuse(unsigned messageId)
{
    {
        const QSignalBlocker quiet(this);
        CMessageService::Show(messageId);
    }
    // Once the focus change under way, which clears the selection, is over.
    QTimer::singleShot(0, this, [this] {
        setFocus();
        selectAll();
    });
}

// Every text is taken as it is; the owner judges it when it is committed.
QValidator::State CEditWithSpin::validate(QString&, int&) const
{
    return QValidator::Acceptable;
}

int CEditWithSpin::valueFromText(const QString& text) const
{
    bool number = false;
    const int value = text.toInt(&number);
    const bool digitsOnly = std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
    return number && digitsOnly && value <= maximum() ? value : kNoNumber;
}

// The spin box writes the text anew from its value when the focus leaves
// or Enter is pressed: the text that gave the value is kept as typed.
QString CEditWithSpin::textFromValue(int value) const
{
    if (value == valueFromText(Text()))
        return Text();
    return value == kNoNumber ? QString() : QString::number(value);
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
