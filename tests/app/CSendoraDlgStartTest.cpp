#include "CSendoraFixture.h"

#include "CEditWithSpin.h"
#include "CLogonName.h"
#include "CPrintDataListCtrl.h"
#include "CSDComboBox.h"
#include "CaseNames.h"

#include <QCheckBox>
#include <QHeaderView>
#include <QPushButton>

namespace {
// Placeholder in the tables for the name of the user who runs the tests.
constexpr const char* kLogon = "<logon>";

std::string Resolve(const std::string& name)
{
    return name == kLogon ? CLogonName::Get() : name;
}

std::vector<std::string> Items(const QComboBox& box)
{
    std::vector<std::string> items;
    for (int i = 0; i < box.count(); ++i)
        items.push_back(box.itemText(i).toStdString());
    return items;
}

struct CNameBoxCase {
    const char* name;
    std::vector<std::string> owners;
    std::string rememberedOwner;
    std::vector<std::string> expectedOwners;
    std::string selectedOwner;
    std::vector<std::string> printers;
    std::string rememberedPrinter;
    std::string selectedPrinter;
};

class CSendoraDlgNameBoxTest : public CSendoraFixture, public testing::WithParamInterface<CNameBoxCase> {};

TEST_P(CSendoraDlgNameBoxTest, BoxesListTheUserListsAndSelectByTheRules)
{
    const CNameBoxCase& c = GetParam();
    std::string ini = "[Owner Name]\n";
    for (const std::string& owner : c.owners)
        ini += Resolve(owner) + "=\n";
    ini += "[Printer Name]\n";
    for (const std::string& printer : c.printers)
        ini += printer + "=\n";
    WriteFileBytes(UserConfigPath(), ini);
    WriteUserValue("OwnerName", c.rememberedOwner);
    WriteUserValue("PrinterName", c.rememberedPrinter);

    OpenWindow();
    std::vector<std::string> expectedOwners;
    for (const std::string& owner : c.expectedOwners)
        expectedOwners.push_back(Resolve(owner));
    const auto& owners = Child<CSDComboBox>("comboOwnerName");
    EXPECT_EQ(Items(owners), expectedOwners);
    EXPECT_EQ(owners.currentText().toStdString(), Resolve(c.selectedOwner));
    const auto& printers = Child<CSDComboBox>("comboPrinterName");
    EXPECT_EQ(Items(printers), c.printers);
    EXPECT_EQ(printers.currentText().toStdString(), c.selectedPrinter);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, CSendoraDlgNameBoxTest,
    testing::Values(
        CNameBoxCase{"RememberedOwnerWhileLogonIsRegistered", {"alice", kLogon, "bob"}, "bob",
                     {"alice", kLogon, "bob"}, "bob", {"p1", "p2"}, "p2", "p2"},
        CNameBoxCase{"LogonAddedAndChosenWhenNotRegistered", {"alice", "bob"}, "bob",
                     {"alice", "bob", kLogon}, kLogon, {"p1", "p2"}, "elsewhere", "p1"},
        CNameBoxCase{"OnlyTheLogonWithoutLists", {}, "bob", {kLogon}, kLogon, {}, "p2", ""},
        CNameBoxCase{"FirstOwnerWhenNoneRemembered", {"alice", kLogon}, "", {"alice", kLogon}, "alice", {"p1"}, "",
                     "p1"}), ByCaseName());

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
                         testing::Values(CStoredSettingCase{"Office", "office", "office"},
                                         CStoredSettingCase{"Plant", "plant", "plant"},
                                         CStoredSettingCase{"CaseDiffers", "Plant", "(Printer defaults)"},
                                         CStoredSettingCase{"Missing", "", "(Printer defaults)"}), ByCaseName());

struct CPrinterNoCase {
    const char* stored;
    int shown;
};

class CSendoraDlgPrinterNoTest : public CSendoraFixture, public testing::WithParamInterface<CPrinterNoCase> {};

TEST_P(CSendoraDlgPrinterNoTest, ShowsTheStoredPrinterNumber)
{
    WriteUserValue("PrinterNo", GetParam().stored);
    OpenWindow();
    EXPECT_EQ(Child<CEditWithSpin>("editPrinterNumber").Text().toStdString(), std::to_string(GetParam().shown));
}

INSTANTIATE_TEST_SUITE_P(Stored, CSendoraDlgPrinterNoTest,
                         testing::Values(CPrinterNoCase{"7", 7}, CPrinterNoCase{"", 0}, CPrinterNoCase{"05", 5},
                                         CPrinterNoCase{"x1", 0}, CPrinterNoCase{"100", 0}));

using CSendoraDlgStartTest = CSendoraFixture;

TEST_F(CSendoraDlgStartTest, ControlsStartLocalisedWithCopiesForAllOff)
{
    OpenWindow();
    EXPECT_EQ(m_window->windowTitle().toStdString(), "QX-Sendora");
    EXPECT_EQ(Child<QPushButton>("buttonAddFiles").text().toStdString(), "&Add files...");
    EXPECT_EQ(Child<QPushButton>("buttonMoveUp").text().toStdString(), "");
    EXPECT_FALSE(Child<QPushButton>("buttonMoveUp").icon().isNull());
    EXPECT_FALSE(Child<QPushButton>("buttonMoveDown").icon().isNull());
    EXPECT_FALSE(m_window->windowIcon().isNull());
    EXPECT_FALSE(Child<QCheckBox>("checkSameCopies").isChecked());
    const auto& copies = Child<CEditWithSpin>("editCopiesForAll");
    EXPECT_FALSE(copies.isEnabled());
    EXPECT_EQ(copies.Text().toStdString(), "1");
    EXPECT_EQ(copies.maximum(), 99);
    const QAbstractItemModel& model = *List().model();
    EXPECT_EQ(model.headerData(0, Qt::Horizontal).toString().toStdString(), "File name");
    EXPECT_EQ(model.headerData(1, Qt::Horizontal).toString().toStdString(), "Data format");
    EXPECT_EQ(model.headerData(2, Qt::Horizontal).toString().toStdString(), "Copies");
    EXPECT_EQ(List().font().pointSize(), 12);
    EXPECT_TRUE(m_messages.Ids().empty());
}
}
