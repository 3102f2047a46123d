// The stamp page shows its rules, and its controls change them with their checks.
#include "CEditWithSpin.h"
#include "CHPPJLStampPage.h"
#include "CLimitEdit.h"
#include "CMessageRecorder.h"
#include "CPlotter.h"
#include "CProfile.h"
#include "CResourceModule.h"
#include "CSDComboBoxEx.h"
#include "CSettingsGrid.h"
#include "CStampSettings.h"
#include "CTempDir.h"
#include "ResourceIds.h"
#include "SheetFlags.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QTest>

namespace {
CPlotter LoadedPlotter(const std::string& path)
{
    CPlotter plotter(path);
    plotter.LoadConfig("ZC");
    return plotter;
}

class CHPPJLStampPageTest : public testing::Test {
protected:
    CHPPJLStampPageTest()
    {
        CProfile current;
        current.Open(m_dir.Write("current.prn", "[Stamp]\nStampID=5\nStampColor=GRAY\nStampDate=YYYYMMDD\n"
                                                "StampNumbering=USER\nStampNumberingString=AB\n"
                                                "StampPositionXYRotate1=10,20,90\n"));
        m_settings.Load(current);
        m_page.ShowSettings();
        m_page.show();
        QApplication::setActiveWindow(&m_page);
    }

    template <class Control>
    Control& Find(const char* name)
    {
        return *m_page.findChild<Control*>(name);
    }

    CSettingsGrid& Grid() { return Find<CSettingsGrid>("gridPositions"); }
    QString Row(int row) { return Grid().Text(row, 1) + "," + Grid().Text(row, 2) + "," + Grid().Text(row, 3); }

    CTempDir m_dir;
    CMessageRecorder m_messages;
    CPlotter m_plotter = LoadedPlotter(m_dir.Write("caps.ini", "[PaperSizeName]\nStamp=A0,A1\n[Stamp]\n"
                                                               "StampNoRange=1,20\nNumStampNumbering=6\n"
                                                               "StampDateList=No date;OFF,yyyy/mm/dd;YYYYMMDD\n"
                                                               "StampYPositionRange=10,300\nStampRotate=0;0,90;90\n"));
    SheetFlags m_flags;
    CStampSettings m_settings{m_plotter, m_flags};
    CHPPJLStampPage m_page{m_settings, m_plotter};
};

TEST_F(CHPPJLStampPageTest, ShowsTheRules)
{
    EXPECT_EQ(m_page.windowTitle().toStdString(), CResourceModule::LoadString(ResId::kStampPageTitle));
    EXPECT_TRUE(Find<QCheckBox>("checkStamp").isChecked() && Find<CEditWithSpin>("editNumber").Text() == "5");
    auto& colors = Find<CSDComboBoxEx>("comboColor");
    EXPECT_EQ(colors.currentText().toStdString(), m_plotter.GetStampColorNames()[2]);
    EXPECT_FALSE(colors.itemIcon(2).isNull());
    EXPECT_EQ(Find<QComboBox>("comboDate").currentText(), "yyyy/mm/dd");
    EXPECT_EQ(Find<QComboBox>("comboNumbering").currentText().toStdString(),
              CResourceModule::LoadString(ResId::kNumberingUserName));
    auto& text = Find<CLimitEdit>("editNumbering");
    EXPECT_TRUE(text.isEnabled() && text.text() == "AB" && text.maxLength() == 6);
    EXPECT_EQ(Grid().Text(0, 3).toStdString(), CResourceModule::LoadString(ResId::kStampRotationHeader));
    EXPECT_EQ(Grid().Text(2, 0) + Grid().Text(3, 0), "A1");
    EXPECT_EQ(Row(1), "10,20,90");
}

// The stamp against the automatic paper, the number left out of range, the
// numbering, the printer's own positions, and a grid edit out of range.
TEST_F(CHPPJLStampPageTest, ControlsChangeTheRulesWithTheirChecks)
{
    m_flags.paperAuto = true;
    Find<QCheckBox>("checkStamp").click();
    Find<QCheckBox>("checkStamp").click();
    EXPECT_FALSE(Find<QCheckBox>("checkStamp").isChecked() || m_settings.IsStampOn() || m_flags.stampOn);
    Find<CEditWithSpin>("editNumber").setFocus();
    Find<CEditWithSpin>("editNumber").SetText("0");
    Find<QComboBox>("comboColor").setFocus();
    EXPECT_EQ(m_settings.GetStampNumber(), "5");
    QTest::keyClick(&Find<QComboBox>("comboNumbering"), Qt::Key_Up);
    EXPECT_FALSE(Find<CLimitEdit>("editNumbering").isEnabled());
    Find<QCheckBox>("checkLocal").click();
    EXPECT_FALSE(Grid().isEnabled());
    Find<QCheckBox>("checkLocal").click();
    EXPECT_TRUE(Grid().isEnabled() && Row(1) == "0,0,0");

    static_cast<QAbstractItemView&>(Grid()).edit(Grid().model()->index(0, 2));
    auto* y = qobject_cast<CEditWithSpin*>(Grid().OpenEditor());
    ASSERT_NE(y, nullptr);
    y->SetText("5");
    QTest::keyClick(y, Qt::Key_Return);
    QCoreApplication::processEvents();
    EXPECT_EQ(m_messages.Ids(), (std::vector<unsigned>{ResId::kStampWithAutoPaperMessage,
                                                       ResId::kBadStampNumberMessage, ResId::kBadStampYMessage}));
}
}
