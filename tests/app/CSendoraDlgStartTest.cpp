#include "CSendoraFixture.h"

#include "CEditWithSpin.h"
#include "CLogonName.h"
#include "CSDComboBox.h"
#include "CaseNames.h"

#include <QCheckBox>
#include <QPushButton>

namespace {
std::vector<std::string> Items(const QComboBox& box)
{
    std::vector<std::string> items;
    for (int i = 0; i < box.count(); ++i)
        items.push_back(box.itemText(i).toStdString());
    return items;
}

using CSendoraDlgStartTest = CSendoraFixture;

// The rules of the choice are the name choice's; here the window shows
// what it chose of the user lists, the logon name and the registry. The
// controls start localised, with the copies for all off.
TEST_F(CSendoraDlgStartTest, ControlsStartLocalisedWithTheRememberedNamesAndCopiesForAllOff)
{
    WriteFileBytes(UserConfigPath(), "[Owner Name]\nalice=\nbob=\n[Printer Name]\np1=\np2=\n");
    WriteUserValue("OwnerName", "bob");
    WriteUserValue("PrinterName", "p2");
    WriteUserValue("PrinterNo", "7");
    OpenWindow();
    const auto& owners = Child<CSDComboBox>("comboOwnerName");
    EXPECT_EQ(Items(owners), (std::vector<std::string>{"alice", "bob", CLogonName::Get()}));
    EXPECT_EQ(owners.currentText().toStdString(), CLogonName::Get());
    const auto& printers = Child<CSDComboBox>("comboPrinterName");
    EXPECT_EQ(Items(printers), (std::vector<std::string>{"p1", "p2"}));
    EXPECT_EQ(printers.currentText().toStdString(), "p2");
    EXPECT_EQ(Child<CEditWithSpin>("editPrinterNumber").Text().toStdString(), "7");
    // Localised as CWindowLocaliserTest shows.
    EXPECT_EQ(Child<QPushButton>("buttonAddFiles").text().toStdString(), "&Add files...");
    EXPECT_FALSE(Child<QCheckBox>("checkSameCopies").isChecked());
    const auto& copies = Child<CEditWithSpin>("editCopiesForAll");
    EXPECT_FALSE(copies.isEnabled());
    EXPECT_EQ(copies.Text().toStdString(), "1");
    EXPECT_TRUE(m_messages.Ids().empty());
}

struct CStoredSettingCase {
    const char* name;
    const char* remembered;
    const char* selected;
};

class CSendoraDlgSettingTest : public CSendoraFixture, public testing::WithParamInterface<CStoredSettingCase> {};

TEST_P(CSendoraDlgSettingTest, SelectsTheRememberedSettingElseTheFirst)
{
    WriteFile("PrinterSetting/office.prn", "[QXSD]\nHPPJL Version=1.0.0\n");
    WriteFile("PrinterSetting/plant.prn", "[QXSD]\nHPPJL Version=1.0.0\n");
    WriteUserValue("PrinterSetting", GetParam().remembered);
    OpenWindow();
    const auto& box = Child<CSDComboBox>("comboPrinterSetting");
    EXPECT_EQ(box.count(), 3);
    EXPECT_EQ(box.itemText(0).toStdString(), "(Printer defaults)");
    EXPECT_EQ(box.currentText().toStdString(), GetParam().selected);
}

INSTANTIATE_TEST_SUITE_P(Stored, CSendoraDlgSettingTest,
                         testing::Values(CStoredSettingCase{"Plant", "plant", "plant"},
                                         CStoredSettingCase{"CaseDiffers", "Plant", "(Printer defaults)"},
                                         CStoredSettingCase{"Missing", "", "(Printer defaults)"}), ByCaseName());

}
