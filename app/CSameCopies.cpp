#include "CSameCopies.h"

#include "CEditWithSpin.h"
#include "CTextFields.h"
#include "ResourceIds.h"

#include <QCheckBox>

CSameCopies::CSameCopies(QCheckBox& check, CEditWithSpin& edit, int maxCopies, Apply apply, QObject* parent)
    : QObject(parent)
    , m_check(check)
    , m_edit(edit)
    , m_maxCopies(maxCopies)
    , m_apply(std::move(apply))
{
    m_edit.SetSpinRange(1, maxCopies);
    m_edit.setValue(m_copies);
    m_edit.setEnabled(false);
    connect(&m_check, &QCheckBox::clicked, this, &CSameCopies::OnChecked);
    connect(&m_edit, &QAbstractSpinBox::editingFinished, this, &CSameCopies::OnCommitted);
}

bool CSameCopies::IsOn() const
{
    return m_check.isChecked();
}

int CSameCopies::Copies() const
{
    return IsOn() ? m_copies : 1;
}

void CSameCopies::Cancel()
{
    m_check.setChecked(false);
    m_edit.setEnabled(false);
}

void CSameCopies::Enable(bool enable)
{
    m_edit.setEnabled(enable && IsOn());
}

// A text left refused while the box was cleared gives way to the number
// that applies.
void CSameCopies::OnChecked()
{
    m_edit.setEnabled(IsOn());
    if (!IsOn())
        return;
    m_edit.SetText(QString::number(m_copies));
    m_apply(m_copies);
}

void CSameCopies::OnCommitted()
{
    if (!IsOn())
        return;
    const QString text = m_edit.Text();
    if (!CTextFields::IsNumberIn(text.toStdString(), 1, m_maxCopies)) {
        m_edit.Refuse(ResId::kCopiesOutOfRangeMessage);
        return;
    }
    m_copies = text.toInt();
    m_apply(m_copies);
}
