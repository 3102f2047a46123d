#include "CSendoraFixture.h"

#include "CEditWithSpin.h"
#include "CLogonName.h"
#include "CSDComboBox.h"

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

// Compared with its case; the first, else, is the printer defaults.
TEST_F(CSendoraDlgStartTest, SelectsTheRememberedSettingElseTheFirst)
{
    WriteFile("PrinterSetting/office.prn", "[QXSD]\nHPPJL Version=1.0.0\n");
    WriteFile("PrinterSetting/plant.prn", "[QXSD]\nHPPJL Version=1.0.0\n");
    const std::pair<const char*, const char*> cases[] = {
        {"plant", "plant"}, {"Plant", "(Printer defaults)"}, {"", "(Printer defaults)"}};
    for (const auto& [remembered, selected] : cases) {
        WriteUserValue("PrinterSetting", remembered);
        OpenWindow();
        EXPECT_EQ(Child<CSDComboBox>("comboPrinterSetting").count(), 3);
        EXPECT_EQ(Child<CSDComboBox>("comboPrinterSetting").currentText().toStdString(), selected) << remembered;
    }
}
}
