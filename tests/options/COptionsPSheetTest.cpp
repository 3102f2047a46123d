#include "COptionsPSheet.h"

#include "CExtensionConfig.h"
#include "CInputExtension.h"
#include "CMessageRecorder.h"
#include "CProgramPaths.h"
#include "CScopedEnvironment.h"
#include "CTempDir.h"
#include "ResourceIds.h"

#include <gtest/gtest.h>

#include <optional>

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

namespace {
const std::string kUsers = "[Owner Name]\nalice=\nbob=\n[Printer Name]\np1=\n";
const std::string kExtensions = "[Data Format]\nHPGL=plt\n";

class COptionsPSheetTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_FALSE(FileExists(CProgramPaths::GetProgramFolder() + CExtensionConfig::kFileName));
        m_sheet.show();
    }

    template <class Widget>
    Widget& Child(const char* name) const
    {
        auto* child = m_sheet.findChild<Widget*>(name);
        EXPECT_NE(child, nullptr) << name;
        return *child;
    }
    QTabWidget& Tabs() const { return Child<QTabWidget>("tabPages"); }
    QWidget& ShowTab(int index) const
    {
        Tabs().setCurrentIndex(index);
        return *Tabs().currentWidget();
    }
    // Presses the page's button and, once the input dialog is open, enters
    // the text and confirms it; a dialog that stays open is cancelled, and
    // the text it kept is returned. Nothing when no dialog opened.
    static std::optional<QString> Enter(QWidget& page, const char* button, const QString& text)
    {
        std::optional<QString> kept;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<CInputExtension*>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            kept = QString();
            dialog->findChild<QLineEdit*>()->setText(text);
            dialog->findChild<QPushButton*>("buttonOk")->click();
            if (dialog->isVisible()) {
                kept = dialog->findChild<QLineEdit*>()->text();
                dialog->reject();
            }
        });
        page.findChild<QPushButton*>(button)->click();
        return kept;
    }

    CTempDir m_dir;
    CScopedEnvironment m_dataDir{"QX_SENDORA_DATA_DIR", m_dir.Path()};
    const std::string m_extensionPath = m_dir.Write(CExtensionConfig::kFileName, kExtensions);
    const std::string m_userPath = m_dir.Write(CUserConfig::kFileName, kUsers);
    CMessageRecorder m_messages;
    COptionsPSheet m_sheet{nullptr, CUserConfig(m_userPath)};
};

// Neither on a selected entry nor on a focused button does Enter act; the
// Delete key deletes, and Cancel after deleting every owner leaves the file.
TEST_F(COptionsPSheetTest, EnterPressesNothingAndCancelLeavesTheFile)
{
    auto& owners = *ShowTab(1).findChild<QListWidget*>();
    owners.setCurrentRow(0);
    owners.setFocus();
    QTest::keyClick(&owners, Qt::Key_Return);
    Child<QPushButton>("buttonOk").setFocus();
    QTest::keyClick(&Child<QPushButton>("buttonOk"), Qt::Key_Enter);
    EXPECT_TRUE(m_sheet.isVisible());
    EXPECT_EQ(m_sheet.result(), 0);

    QTest::keyClick(&owners, Qt::Key_Delete);
    QTest::keyClick(&owners, Qt::Key_Delete);
    ASSERT_EQ(owners.count(), 0);
    EXPECT_TRUE(Child<QPushButton>("buttonApply").isEnabled());
    Child<QPushButton>("buttonCancel").click();
    EXPECT_EQ(ReadFileBytes(m_userPath), kUsers);
}

// The formats page, shown first, is written too; the printers page, never
// shown, is not.
TEST_F(COptionsPSheetTest, OkWritesTheShownPages)
{
    ASSERT_EQ(Enter(ShowTab(0), "buttonAdd", "hpg"), QString());
    ASSERT_EQ(Enter(ShowTab(1), "buttonAdd", " carol "), QString());
    ASSERT_EQ(Enter(ShowTab(1), "buttonAdd", "bob"), "bob");
    EXPECT_EQ(m_messages.Ids(), (std::vector<unsigned>{ResId::kDuplicateOwnerMessage}));
    Child<QPushButton>("buttonOk").click();
    EXPECT_EQ(m_sheet.result(), QDialog::Accepted);
    EXPECT_EQ(ReadFileBytes(m_userPath), "[Printer Name]\np1=\n[Owner Name]\nalice=\nbob=\ncarol=\n");
    EXPECT_EQ(ReadFileBytes(m_extensionPath), "[Data Format]\nHPGL=plt.hpg\n");
}

// The Add box keeps a refused text (the refusals and their words are
// CFormatExtensionListTest's and CNameListTest's, case twins among them);
// names are listed as they will be stored.
TEST_F(COptionsPSheetTest, RefusalsKeepTheAddBoxAndNamesAreShownTrimmed)
{
    ASSERT_EQ(Enter(ShowTab(0), "buttonAdd", "PLT"), "PLT");
    ASSERT_EQ(Enter(ShowTab(2), "buttonAdd", "P1"), "P1");
    ASSERT_EQ(Enter(ShowTab(2), "buttonAdd", "my printer"), "my printer");
    EXPECT_EQ(m_messages.Ids(), (std::vector<unsigned>{ResId::kExtensionOfFormatMessage,
                                                       ResId::kDuplicatePrinterMessage,
                                                       ResId::kBlankPrinterNameMessage}));
    ASSERT_EQ(Enter(ShowTab(2), "buttonAdd", "  p2\t"), QString());
    QStringList shown;
    for (int row = 0; row < ShowTab(2).findChild<QListWidget*>()->count(); ++row)
        shown << ShowTab(2).findChild<QListWidget*>()->item(row)->text();
    EXPECT_EQ(shown, (QStringList{"p1", "p2"}));
}
}
