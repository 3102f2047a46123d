// The stamp page shows its rules, and its controls change them with their checks.
#include "CEditWithSpin.h"
#include "CHPPJLStampPage.h"
#include "CLimitEdit.h"
#include "CPageTestFixture.h"
#include "CSDComboBoxEx.h"
#include "CStampSettings.h"
#include "SheetFlags.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>

namespace {
class CHPPJLStampPageTest : public CPageTestFixture, public testing::Test {
protected:
    CHPPJLStampPageTest()
        : CPageTestFixture("[PaperSizeName]\nStamp=A0,A1\n[Stamp]\nStampNoRange=1,20\nNumStampNumbering=6\n"
                           "StampDateList=No date;OFF,yyyy/mm/dd;YYYYMMDD\nStampXPositionRange=0,999\n"
                           "StampYPositionRange=10,300\n"
                           "StampRotate=0;0,90;90\n")
    {
        Show(m_settings, m_page, "[Stamp]\nStampID=5\nStampColor=GRAY\nStampDate=YYYYMMDD\nStampNumbering=USER\n"
                                 "StampNumberingString=AB\nStampPositionXYRotate1=10,20,90\n");
        QApplication::setActiveWindow(&m_page);
    }

    CSettingsGrid& Grid() { return Find<CSettingsGrid>("gridPositions"); }
    QString Row(int row) { return Grid().Text(row, 1) + "," + Grid().Text(row, 2) + "," + Grid().Text(row, 3); }

    SheetFlags m_flags;
    CStampSettings m_settings{m_plotter, m_flags};
    CHPPJLStampPage m_page{m_settings, m_plotter};
};

// The file's rules shown; then the grid's positions out of range: typing is
// free, so a position beyond the bound is refused as typed, not cut to its
// first digits, and the editor stays open with the text selected. Then the
// stamp against the automatic paper, the number left out of range, the
// numbering and the printer's own positions.
TEST_F(CHPPJLStampPageTest, ShowsTheRulesAndControlsChangeThemWithTheirChecks)
{
    EXPECT_TRUE(Find<QCheckBox>("checkStamp").isChecked() && Find<CEditWithSpin>("editNumber").Text() == "5");
    auto& colors = Find<CSDComboBoxEx>("comboColor");
    EXPECT_EQ(colors.currentText().toStdString(), m_plotter.GetStampColorNames()[2]);
    EXPECT_FALSE(colors.itemIcon(2).isNull());
    EXPECT_EQ(Find<QComboBox>("comboDate").currentText(), "yyyy/mm/dd");
    EXPECT_EQ(Find<QComboBox>("comboNumbering").currentText().toStdString(), Text(ResId::kNumberingUserName));
    auto& text = Find<CLimitEdit>("editNumbering");
    EXPECT_TRUE(text.isEnabled() && text.text() == "AB" && text.maxLength() == 6);
    EXPECT_EQ(Grid().Text(2, 0) + Grid().Text(3, 0), "A1");
    EXPECT_EQ(Row(1), "10,20,90");

    QWidget* x = OpenEditor(Grid(), 1, 1);
    ASSERT_NE(x, nullptr);
    QTest::keyClicks(x, "2000");
    Enter(*x);
    EXPECT_EQ(Grid().OpenEditor(), x);
    EXPECT_EQ(x->findChild<QLineEdit*>()->selectedText().toStdString(), "2000");
    QTest::keyClicks(x, "200");
    Enter(*x);
    EXPECT_EQ(m_settings.GetPosition(1).x, "200");
    QWidget* y = OpenEditor(Grid(), 1, 2);
    ASSERT_NE(y, nullptr);
    QTest::keyClicks(y, "5");
    Enter(*y);
    EXPECT_EQ(Row(1), "200,20,90");

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
    EXPECT_EQ(m_messages.Ids(), (std::vector<unsigned>{ResId::kBadStampXMessage, ResId::kBadStampYMessage,
                                                       ResId::kStampWithAutoPaperMessage, ResId::kBadStampNumberMessage}));
}
}
