#pragma once

#include <string>

class CEditWithSpin;
class CSDComboBox;
struct CHistoryRecord;

// The main window's boxes of the next send's printer, number, owner and
// setting, set as a past send had them, each only where that value is
// still on offer: a printer, owner or setting since removed leaves its box
// as it was.
class CSendChoiceBoxes {
public:
    CSendChoiceBoxes(CSDComboBox& printer, CEditWithSpin& number, CSDComboBox& owner, CSDComboBox& setting);

    void Select(const CHistoryRecord& record) const;

private:
    static void SelectListed(CSDComboBox& box, const std::string& text);

    CSDComboBox& m_printer;
    CEditWithSpin& m_number;
    CSDComboBox& m_owner;
    CSDComboBox& m_setting;
};
