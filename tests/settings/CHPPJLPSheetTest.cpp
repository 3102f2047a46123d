#include "CHPPJLPSheet.h"
#include "CColorSettings.h"
#include "CHPPJLColorPage.h"
#include "CFileDialogs.h"
#include "CMessageRecorder.h"
#include "CPlotter.h"
#include "CTempDir.h"
#include "ResourceIds.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

namespace {
constexpr const char* kCurrent = "[QXSD]\nHPPJL Version=1.0.0\n[HPGLPen]\nPen1=13,ROUND,BEVEL,RED\n"
                                 "[Color]\nRasterColor=RED\nVectorDrawingColorWhite=OFF\n[Stamp]\nStampID=7\n";

// Loaded before the sheet, whose first page reads it at once.
CPlotter LoadedPlotter()
{
    CPlotter plotter;
    plotter.LoadConfig("ZC");
    return plotter;
}

class CHPPJLPSheetTest : public testing::Test {
protected:
    QString Target(const char* name) const { return QString::fromStdString(m_dir.File(name)); }
    QTabWidget& Tabs() { return *m_sheet.findChild<QTabWidget*>("tabPages"); }
    void SaveAs(const char* name)
    {
        CFileDialogs::SetNextSaveFile(Target(name));
        m_sheet.findChild<QPushButton*>("buttonSaveAs")->click();
    }

    CTempDir m_dir;
    CMessageRecorder m_messages;
    CPlotter m_plotter = LoadedPlotter();
    CHPPJLPSheet m_sheet{m_plotter, {"ZC", "current", m_dir.Write("current.prn", kCurrent), m_dir.Path()},
                         QApplication::font()};
};

// The pages shown (the first at once) and the changes made on them reach
// the editor, which saves them as its own test checks.
TEST_F(CHPPJLPSheetTest, SavesWhatTheEditorSavesAfterTheSameSteps)
{
    Tabs().setCurrentWidget(m_sheet.findChild<CHPPJLColorPage*>());
    Tabs().currentWidget()->findChild<QCheckBox*>()->click();
    SaveAs("new.prn");
    CSettingsEditor editor(m_plotter, "ZC", "current", m_dir.File("current.prn"));
    editor.ShowPage(CSettingsEditor::Tabs().front());
    editor.ShowPage(CSettingsEditor::Tab::Color);
    editor.GetColorSettings().SetConversion(true);
    ASSERT_EQ(editor.SaveAs(m_dir.File("expected.prn")), CSettingsEditor::SaveResult::Saved);
    EXPECT_EQ(ReadFileBytes(m_dir.File("new.prn")), ReadFileBytes(m_dir.File("expected.prn")));
    EXPECT_EQ(m_sheet.GetSettingName(), "new");
    EXPECT_EQ(m_sheet.GetCurrentPath(), m_dir.File("new.prn"));
    EXPECT_EQ(CFileDialogs::LastSaveProposal(), Target("current.prn"));
}

TEST_F(CHPPJLPSheetTest, EnterNeitherSavesNorCloses)
{
    m_sheet.show();
    CFileDialogs::SetNextSaveFile(Target("entered.prn"));
    QTest::keyClick(&m_sheet, Qt::Key_Return);
    EXPECT_TRUE(m_sheet.isVisible());
    CFileDialogs::SetNextSaveFile({});
    m_sheet.findChild<QPushButton*>("buttonSaveAs")->click();
    EXPECT_FALSE(QFile::exists(Target("entered.prn")));
}

// The editor refuses the name and says why; the sheet adds nothing.
TEST_F(CHPPJLPSheetTest, ReservedNameIsRefusedWithTheEditorsMessageAlone)
{
    SaveAs("default.org");
    EXPECT_EQ(m_messages.Ids(), (std::vector<unsigned>{ResId::kReservedNameMessage}));
}
}
