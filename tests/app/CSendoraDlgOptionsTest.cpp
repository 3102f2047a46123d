#include "CSendoraFixture.h"

#include "CLogonName.h"
#include "CSDComboBox.h"

#include <QApplication>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>

// The options command: the sheet's changes reach the window's name boxes.
namespace {
class CSendoraDlgOptionsTest : public CSendoraFixture {
protected:
    // Deletes the owner name on the options sheet, then presses the button.
    void DeleteOwnerWithOptions(const QString& owner, const char* closeButton)
    {
        QTimer::singleShot(0, [&] {
            QWidget* sheet = QApplication::activeModalWidget();
            ASSERT_NE(sheet, nullptr);
            sheet->findChild<QTabWidget*>("tabPages")->setCurrentIndex(1);
            auto* names = sheet->findChild<QTabWidget*>("tabPages")->currentWidget()->findChild<QListWidget*>();
            names->setCurrentItem(names->findItems(owner, Qt::MatchExactly).value(0));
            names->parentWidget()->findChild<QPushButton*>("buttonDelete")->click();
            sheet->findChild<QPushButton*>(closeButton)->click();
        });
        Child<QPushButton>("buttonOptions").click();
    }
};

// The removed owner gives way to the logon name, as at start; the names
// chosen by hand stay chosen, though the registry remembers others, and a
// printer typed but never registered survives the sheet, however it closes.
TEST_F(CSendoraDlgOptionsTest, NameBoxesRefilledKeepingTheChosenText)
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
