#include "CHPPJLGeneralPage.h"
#include "CPageTestFixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QRadioButton>

namespace {
using Check = CGeneralSettings::Check;
using List = CGeneralSettings::List;

class CHPPJLGeneralPageTest : public CPageTestFixture, public testing::Test {
protected:
    CHPPJLGeneralPageTest()
        : CPageTestFixture("[OutputTray]\nOutputTray=Top tray;TOP,Rear tray;REAR\n"
                           "[MediaType]\nMediaType=Plain paper;PLAIN,Film;FILM\n")
    {
        Show(m_settings, m_page, "[MediaSource]\nMediaSource=MANUAL_FD\n[OutputTray]\nOutputTray=REAR\n"
                                 "[Label]\nErrorLabel=ON\nLabelLocation=L_RIGHT\n");
    }

    CGeneralSettings m_settings{m_plotter};
    CHPPJLGeneralPage m_page{m_settings};
};

TEST_F(CHPPJLGeneralPageTest, ShowsTheRulesAndControlsChangeThem)
{
    EXPECT_TRUE(Find<QCheckBox>("checkManualFeed").isChecked() && Find<QCheckBox>("checkErrorLabel").isChecked());
    EXPECT_FALSE(Find<QCheckBox>("checkLabel").isChecked());
    EXPECT_TRUE(Find<QRadioButton>("radioLowerRight").isChecked());
    EXPECT_EQ(Find<QComboBox>("comboOutputTray").currentText(), "Rear tray");
    EXPECT_EQ(Find<QComboBox>("comboMediaType").currentText(), "Plain paper");
    EXPECT_EQ(Find<QComboBox>("comboMediaType").count(), 2);

    Click("checkManualFeed");
    Click("checkDateLabel");
    Click("radioUpperRight");
    QTest::keyClick(&Find<QComboBox>("comboMediaType"), Qt::Key_Down);
    QTest::keyClick(&Find<QComboBox>("comboOutputTray"), Qt::Key_Up);

    EXPECT_FALSE(m_settings.IsChecked(Check::ManualFeed));
    EXPECT_TRUE(m_settings.IsChecked(Check::DateLabel));
    EXPECT_EQ(m_settings.GetLabelLocation(), CGeneralSettings::Corner::UpperRight);
    EXPECT_EQ(m_settings.GetSelected(List::MediaType), 1);
    EXPECT_EQ(m_settings.GetSelected(List::OutputTray), 0);
}
}
