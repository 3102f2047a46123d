// The scale page shows its rules, and its controls pass the user's actions on.
#include "CHPPJLScalePage.h"
#include "CPageTestFixture.h"
#include "CSDComboBox.h"
#include "SheetFlags.h"

#include <QCheckBox>
#include <QComboBox>

namespace {
class CHPPJLScalePageTest : public CPageTestFixture, public testing::Test {
protected:
    // Rows past the first offer the output sizes from the second on.
    CHPPJLScalePageTest()
        : CPageTestFixture("[Scale]\nInputPaperGroup=ISO A;ISOA,ARCH;ARCH\nOutputPaperGroup=ISO A;ISOA,ARCH;ARCH\n"
                           "RollPaperGroup=ISO rolls;ISOA\nPaperCut=Synchro;SYNCHRO,Standard;STANDARD\n"
                           "INDEX_LONGSIZEPSTN=1\nISOA_OutputSize=A0;A0,A1;A1\nISOA_PaperSize=A0 roll;A0R,A1 roll;A1R\n"
                           "ARCH_OutputSize=E;ARCH_E,D;ARCH_D\n")
    {
        Show(m_settings, m_page, "[PaperGroup]\nOutputPaperGroup=ARCH\n[OutputSize]\nOutput1Size=ARCH_D\n"
                                 "[PaperSize]\nPaper1Size=A1R\n");
    }

    SheetFlags m_flags{true, false};
    CScaleSettings m_settings{m_plotter, m_flags};
    CHPPJLScalePage m_page{m_settings, m_plotter};
};

TEST_F(CHPPJLScalePageTest, ShowsTheRulesAndPassesActionsOn)
{
    auto& scale = Find<CSettingsGrid>("gridScale");
    auto& paper = Find<CSettingsGrid>("gridPaper");
    EXPECT_EQ(Find<QComboBox>("comboOutputGroup").currentText(), "ARCH");
    EXPECT_EQ(Find<QComboBox>("comboOutputMode").count(), 2);
    EXPECT_EQ(QStringList({scale.Text(1, 0), scale.Text(1, 1), paper.Text(1, 0), paper.Text(1, 1), scale.Text(3, 0)}),
              QStringList({"A0", "D", "E", "A1 roll", ""}));
    EXPECT_TRUE(paper.isEnabled());

    Click("buttonSameAsInput");
    QTest::keyClick(&Find<QComboBox>("comboInputGroup"), Qt::Key_Down);
    EXPECT_EQ(Find<QComboBox>("comboOutputGroup").currentText(), "ISO A");
    EXPECT_EQ(QStringList({scale.Text(1, 0), scale.Text(2, 0), scale.Text(2, 1), paper.Text(2, 0)}),
              QStringList({"E", "D", "A1", "A1"}));

    auto* list = qobject_cast<CSDComboBox*>(OpenEditor(scale, 1, 1));
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->count(), 2);
    list->setCurrentIndex(1);
    Enter(*list);
    EXPECT_EQ(m_settings.GetCell(CScaleSettings::Grid::Scale, 1, 1), "A1");
    EXPECT_EQ(scale.Text(1, 1), "A1");

    Click("checkAutoPaper");
    EXPECT_EQ(m_messages.Ids(), std::vector<unsigned>{ResId::kAutoPaperWithStampMessage});
    EXPECT_FALSE(Find<QCheckBox>("checkAutoPaper").isChecked());
    m_flags.stampOn = false;
    Click("checkAutoPaper");
    EXPECT_TRUE(Find<QCheckBox>("checkAutoPaper").isChecked() && m_flags.paperAuto);
    EXPECT_FALSE(paper.isEnabled());
    EXPECT_TRUE(paper.Text(1, 1).isEmpty());
}
}
