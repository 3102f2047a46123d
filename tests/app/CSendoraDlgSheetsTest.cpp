#include "CSendoraFixture.h"

#include "CFileDialogs.h"
#include "CLogonName.h"
#include "CSDComboBox.h"
#include "ResourceIds.h"

#include <QApplication>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>

#include <functional>

// The settings and options sheets the window opens: what they save or
// change reaches the window's boxes.
namespace {
class CSendoraDlgSheetsTest : public CSendoraFixture {
protected:
    // Presses the window's button; once the sheet is open, acts on it, then
    // presses the sheet's button. False when no sheet opened.
    bool OnSheet(const char* button, const std::function<void(QWidget&)>& act, const char* closeButton)
    {
        bool opened = false;
        QTimer::singleShot(0, [&] {
            QWidget* sheet = QApplication::activeModalWidget();
            if (!sheet)
                return;
            opened = true;
            act(*sheet);
            sheet->findChild<QPushButton*>(closeButton)->click();
        });
        Child<QPushButton>(button).click();
        return opened;
    }
    bool EditSettings(const std::function<void(QWidget&)>& act = [](QWidget&) {})
    {
        return OnSheet("buttonEditSettings", act, "buttonClose");
    }
    void DeleteOwnerWithOptions(const QString& owner, const char* closeButton)
    {
        EXPECT_TRUE(OnSheet(
            "buttonOptions",
            [&owner](QWidget& sheet) {
                auto& tabs = *sheet.findChild<QTabWidget*>("tabPages");
                tabs.setCurrentIndex(1);
                auto* names = tabs.currentWidget()->findChild<QListWidget*>();
                names->setCurrentItem(names->findItems(owner, Qt::MatchExactly).value(0));
                names->parentWidget()->findChild<QPushButton*>("buttonDelete")->click();
            },
            closeButton));
    }
    QString SelectedSetting() const { return Child<CSDComboBox>("comboPrinterSetting").currentText(); }
};

// Closed without saving, the sheet leaves the selection; the saved file is
// listed and selected. The sheet proposed the defaults' file under "*.prn".
TEST_F(CSendoraDlgSheetsTest, SavedSettingIsSelectedAfterTheSheetCloses)
{
    WriteFile("PrinterSetting/older.prn", "[QXSD]\nHPPJL Version=1.0.0\n");
    OpenWindow();
    Child<CSDComboBox>("comboPrinterSetting").SelectExactly("older");
    EXPECT_TRUE(EditSettings());
    EXPECT_EQ(SelectedSetting(), "older");

    Child<CSDComboBox>("comboPrinterSetting").setCurrentIndex(0);
    CFileDialogs::SetNextSaveFile(Q(SettingFolder() + "mine.prn"));
    EXPECT_TRUE(EditSettings([](QWidget& sheet) { sheet.findChild<QPushButton*>("buttonSaveAs")->click(); }));
    EXPECT_EQ(CFileDialogs::LastSaveProposal(), Q(SettingFolder() + "*.prn"));
    EXPECT_EQ(SelectedSetting(), "mine");
    EXPECT_TRUE(m_messages.Messages().empty());
}

TEST_F(CSendoraDlgSheetsTest, SettingThatCannotBeLoadedOpensNoSheet)
{
    m_app = std::make_unique<CSendoraApp>(CUserConfig(UserConfigPath()),
                                          CSettingFile(SettingFolder(), m_dir.File("no-fallback/")), &m_messages);
    OpenWindow();
    EXPECT_FALSE(EditSettings());
    EXPECT_EQ(m_messages.Ids(), (std::vector<unsigned>{ResId::kCannotLoadSettingMessage}));
}

// The removed owner gives way to the logon name, as at start; the names
// chosen by hand stay chosen, though the registry remembers others, and a
// printer typed but never registered survives the sheet, however it closes.
TEST_F(CSendoraDlgSheetsTest, NameBoxesRefilledKeepingTheChosenText)
{
    WriteFileBytes(UserConfigPath(), "[Owner Name]\nalice=\nbob=\n[Printer Name]\np1=\np2=\n");
    WriteUserValue("PrinterName", "p1");
    OpenWindow();
    auto& owners = Child<CSDComboBox>("comboOwnerName");
    auto& printers = Child<CSDComboBox>("comboPrinterName");
    owners.setCurrentIndex(1);
    printers.setCurrentIndex(1);

    DeleteOwnerWithOptions("bob", "buttonCancel");
    EXPECT_EQ(owners.currentText(), "bob");

    DeleteOwnerWithOptions("bob", "buttonOk");
    EXPECT_EQ(owners.findText("bob"), -1);
    EXPECT_EQ(owners.currentText(), Q(CLogonName::Get()));
    EXPECT_EQ(printers.currentText(), "p2");

    printers.setEditText("plotter.example:9100");
    for (const char* closeButton : {"buttonCancel", "buttonOk"}) {
        DeleteOwnerWithOptions("alice", closeButton);
        EXPECT_EQ(printers.currentText(), "plotter.example:9100") << closeButton;
        EXPECT_EQ(printers.count(), 2) << closeButton;
    }
}
}
