#include "CSendChoiceBoxes.h"

#include "CEditWithSpin.h"
#include "CHistoryRecord.h"
#include "CSDComboBox.h"

CSendChoiceBoxes::CSendChoiceBoxes(CSDComboBox& printer, CEditWithSpin& number, CSDComboBox& owner,
                                   CSDComboBox& setting)
    : m_printer(printer), m_number(number), m_owner(owner), m_setting(setting)
{
}

void CSendChoiceBoxes::Select(const CHistoryRecord& record) const
{
    SelectListed(m_printer, record.printer);
    if (record.number >= m_number.minimum() && record.number <= m_number.maximum())
        m_number.setValue(record.number);
    SelectListed(m_owner, record.owner);
    SelectListed(m_setting, record.setting);
}

void CSendChoiceBoxes::SelectListed(CSDComboBox& box, const std::string& text)
{
    const QString name = QString::fromStdString(text);
    if (box.findText(name, Qt::MatchExactly | Qt::MatchCaseSensitive) >= 0)
        box.SelectExactly(name);
}
