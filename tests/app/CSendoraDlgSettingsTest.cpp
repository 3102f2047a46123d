#include "CSendoraFixture.h"

#include "CFileDialogs.h"
#include "CSDComboBox.h"
#include "ResourceIds.h"

#include <QApplication>
#include <QPushButton>
#include <QTimer>

#include <functional>

namespace {
class CSendoraDlgSettingsTest : public CSendoraFixture {
protected:
    // Presses Edit settings; once the sheet is open, acts on it and closes it.
    bool EditSettings(const std::function<void(QDialog&)>& act = {})
    {
        bool opened = false;
        QTimer::singleShot(0, [&] {
            auto* sheet = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (!sheet)
                return;
            opened = true;
            if (act)
                act(*sheet);
            sheet->findChild<QPushButton*>("buttonClose")->click();
        });
        Child<QPushButton>("buttonEditSettings").click();
        return opened;
    }
    QString SelectedSetting() const { return Child<CSDComboBox>("comboPrinterSetting").currentText(); }
};

// Closed without saving, the sheet leaves the selection; the saved file is
// listed and selected. The sheet proposed the defaults' file under "*.prn".
TEST_F(CSendoraDlgSettingsTest, SavedSettingIsSelectedAfterTheSheetCloses)
{
    WriteFile("PrinterSetting/older.prn", "[QXSD]\nHPPJL Version=1.0.0\n");
    OpenWindow();
    Child<CSDComboBox>("comboPrinterSetting").SelectExactly("older");
    EXPECT_TRUE(EditSettings());
    EXPECT_EQ(SelectedSetting(), "older");

    Child<CSDComboBox>("comboPrinterSetting").setCurrentIndex(0);
    CFileDialogs::SetNextSaveFile(Q(SettingFolder() + "mine.prn"));
    EXPECT_TRUE(EditSettings([](QDialog& sheet) { sheet.findChild<QPushButton*>("buttonSaveAs")->click(); }));
    EXPECT_EQ(CFileDialogs::LastSaveProposal(), Q(SettingFolder() + "*.prn"));
    EXPECT_EQ(SelectedSetting(), "mine");
    EXPECT_TRUE(m_messages.Messages().empty());
}

TEST_F(CSendoraDlgSettingsTest, SettingThatCannotBeLoadedOpensNoSheet)
{
    m_app = std::make_unique<CSendoraApp>(CUserConfig(UserConfigPath()),
                                          CSettingFile(SettingFolder(), m_dir.File("no-fallback/")), &m_messages);
    OpenWindow();
    EXPECT_FALSE(EditSettings());
    EXPECT_EQ(m_messages.Ids(), (std::vector<unsigned>{ResId::kCannotLoadSettingMessage}));
}
}
