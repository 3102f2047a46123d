#include "CHPPJLPSheet.h"
#include "CFileDialogs.h"
#include "CMessageRecorder.h"
#include "CMessageService.h"
#include "CPlotter.h"
#include "CQuestions.h"
#include "CTempDir.h"
#include "ResourceIds.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

namespace {
constexpr const char* kCurrent = "[QXSD]\nHPPJL Version=1.0.0\n";

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

// What the pages pass on reaches the saved file as the settings loop test
// shows; the file saved becomes the one edited, and a name of another ending
// gets ".prn", so the setting list shows it.
TEST_F(CHPPJLPSheetTest, SavedFileGetsThePrnEndingAndBecomesTheCurrentOne)
{
    SaveAs("my setting.v2");
    EXPECT_EQ(CFileDialogs::LastSaveProposal(), Target("current.prn"));
    EXPECT_EQ(m_sheet.GetCurrentPath(), m_dir.File("my setting.v2.prn"));
    EXPECT_EQ(m_sheet.GetSettingName(), "my setting.v2");
    EXPECT_EQ(FilesBelow(m_dir.Path()), (std::set<std::string>{"current.prn", "my setting.v2.prn"}));
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

// The reserved name (in any case: CSettingsEditorTest) is refused with the
// editor's message alone, before an existing file is mentioned; an existing
// file is replaced only when the user says so, and is asked about once.
TEST_F(CHPPJLPSheetTest, ReplacingIsAskedOnceAndOnlyForANameThatMayBeWritten)
{
    m_dir.Write("DEFAULT.ORG.prn", "kept");
    m_dir.Write("mine.prn", "kept");
    CQuestions::Asked().clear();
    SaveAs("DEFAULT.ORG");
    EXPECT_TRUE(CQuestions::Asked().empty());
    EXPECT_EQ(m_messages.Ids(), std::vector<unsigned>{ResId::kReservedNameMessage});
    EXPECT_EQ(FilesBelow(m_dir.Path()), (std::set<std::string>{"DEFAULT.ORG.prn", "current.prn", "mine.prn"}));

    CQuestions::SetNextAnswer(false);
    SaveAs("mine");
    EXPECT_EQ(CQuestions::Asked(), std::vector<unsigned>{ResId::kReplaceSettingQuestion});
    EXPECT_EQ(ReadFileBytes(m_dir.File("mine.prn")), "kept");
    EXPECT_EQ(m_sheet.GetSettingName(), "current");

    CQuestions::SetNextAnswer(true);
    SaveAs("mine.prn");
    EXPECT_EQ(CQuestions::Asked().size(), 2u);
    EXPECT_NE(ReadFileBytes(m_dir.File("mine.prn")), "kept");
    EXPECT_EQ(m_sheet.GetSettingName(), "mine");
    EXPECT_EQ(ReadFileBytes(m_dir.File("DEFAULT.ORG.prn")), "kept");
    EXPECT_EQ(m_messages.Ids().size(), 1u);
}

// Escape (as the close button and the window's close) asks before changes
// are dropped, and only then; the title names the setting being edited.
TEST_F(CHPPJLPSheetTest, ClosingAsksBeforeUnsavedChangesAreDropped)
{
    const auto title = [](const char* name) { return CMessageService::Format(ResId::kSettingsNamedTitle, name); };
    EXPECT_EQ(m_sheet.windowTitle().toStdString(), title("current"));
    m_sheet.show();
    CQuestions::Asked().clear();
    m_sheet.findChild<QTabWidget*>()->setCurrentIndex(1);
    m_sheet.findChild<QCheckBox*>("checkWidthChange")->click();

    CQuestions::SetNextAnswer(false);
    QTest::keyClick(&m_sheet, Qt::Key_Escape);
    EXPECT_TRUE(m_sheet.isVisible());
    EXPECT_EQ(CQuestions::Asked(), std::vector<unsigned>{ResId::kDiscardChangesQuestion});

    SaveAs("edited.prn");
    EXPECT_EQ(m_sheet.windowTitle().toStdString(), title("edited"));
    QTest::keyClick(&m_sheet, Qt::Key_Escape);
    EXPECT_FALSE(m_sheet.isVisible());
    EXPECT_EQ(CQuestions::Asked().size(), 1u);

    m_sheet.show();
    m_sheet.findChild<QCheckBox*>("checkWidthChange")->click();
    CQuestions::SetNextAnswer(true);
    m_sheet.findChild<QPushButton*>("buttonClose")->click();
    EXPECT_FALSE(m_sheet.isVisible());
    EXPECT_EQ(CQuestions::Asked().size(), 2u);
}
}
