#include "CHPPJLPSheet.h"
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

class CHPPJLPSheetTest : public testing::Test {
protected:
    CHPPJLPSheetTest() { m_plotter.LoadConfig("ZC"); }

    QString Target(const char* name) const { return QString::fromStdString(m_dir.File(name)); }
    QTabWidget& Tabs() { return *m_sheet.findChild<QTabWidget*>("tabPages"); }
    void SaveAs(const char* name)
    {
        CFileDialogs::SetNextSaveFile(Target(name));
        m_sheet.findChild<QPushButton*>("buttonSaveAs")->click();
    }

    CTempDir m_dir;
    CMessageRecorder m_messages;
    CPlotter m_plotter;
    CHPPJLPSheet m_sheet{m_plotter, {"ZC", "current", m_dir.Write("current.prn", kCurrent), m_dir.Path()},
                         QApplication::font()};
};

// Only the pages shown write their own keys; the others copy theirs. A new
// file has Windows line ends.
TEST_F(CHPPJLPSheetTest, SavesTheShownPagesAndCopiesTheOthers)
{
    Tabs().setCurrentIndex(1);
    Tabs().currentWidget()->findChild<QCheckBox*>()->click();
    SaveAs("new.prn");
    const std::string saved = ReadFileBytes(m_dir.File("new.prn"));
    EXPECT_NE(saved.find("Pen1=13,ROUND,BEVEL,RED\r\n"), std::string::npos);
    EXPECT_NE(saved.find("VectorDrawingColorWhite=WHITE\r\n"), std::string::npos);
    EXPECT_NE(saved.find("StampID=7\r\n"), std::string::npos);
    EXPECT_NE(saved.find("MediaType=HP-PJL_NOTHING\r\n"), std::string::npos);
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

TEST_F(CHPPJLPSheetTest, ReservedNameIsRefusedAndNothingWritten)
{
    SaveAs("default.org");
    EXPECT_EQ(m_messages.Ids(), (std::vector<unsigned>{ResId::kReservedNameMessage}));
    EXPECT_FALSE(QFile::exists(Target("default.org")));
    EXPECT_EQ(m_sheet.GetSettingName(), "current");
}
}
