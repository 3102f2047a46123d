#include "CHPPJLGeneralPage.h"
#include "CPlotter.h"
#include "CProfile.h"
#include "CResourceModule.h"
#include "CTempDir.h"
#include "ResourceIds.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QRadioButton>
#include <QTest>

namespace {
using Check = CGeneralSettings::Check;
using List = CGeneralSettings::List;

class CHPPJLGeneralPageTest : public testing::Test {
protected:
    CHPPJLGeneralPageTest()
    {
        m_plotter.LoadConfig("ZC");
        CProfile current;
        current.Open(m_dir.Write("current.prn", "[MediaSource]\nMediaSource=MANUAL_FD\n[OutputTray]\nOutputTray=REAR\n"
                                                "[Label]\nErrorLabel=ON\nLabelLocation=L_RIGHT\n"));
        m_settings.Load(current);
        m_page.ShowSettings();
        m_page.show();
    }

    template <class Control>
    Control& Find(const char* name)
    {
        return *m_page.findChild<Control*>(name);
    }

    // On the box or circle: a check or radio button takes only clicks on
    // itself or its text, not on the rest of its layout cell.
    void Click(const char* name)
    {
        auto& button = Find<QAbstractButton>(name);
        QTest::mouseClick(&button, Qt::LeftButton, {}, QPoint(4, button.height() / 2));
    }

    CTempDir m_dir;
    CPlotter m_plotter{m_dir.Write("PJLConfig.txt", "[OutputTray]\nOutputTray=Top tray;TOP,Rear tray;REAR\n"
                                                    "[MediaType]\nMediaType=Plain paper;PLAIN,Film;FILM\n")};
    CGeneralSettings m_settings{m_plotter};
    CHPPJLGeneralPage m_page{m_settings};
};

TEST_F(CHPPJLGeneralPageTest, ShowsTheRules)
{
    EXPECT_EQ(m_page.windowTitle().toStdString(), CResourceModule::LoadString(ResId::kGeneralPageTitle));
    EXPECT_EQ(Find<QCheckBox>("checkLabel").text().toStdString(), CResourceModule::LoadString(ResId::kLabelCheck));
    EXPECT_TRUE(Find<QCheckBox>("checkManualFeed").isChecked());
    EXPECT_TRUE(Find<QCheckBox>("checkErrorLabel").isChecked());
    EXPECT_FALSE(Find<QCheckBox>("checkLabel").isChecked());
    EXPECT_TRUE(Find<QRadioButton>("radioLowerRight").isChecked());
    EXPECT_EQ(Find<QComboBox>("comboOutputTray").currentText(), "Rear tray");
    EXPECT_EQ(Find<QComboBox>("comboMediaType").currentText(), "Plain paper");
    EXPECT_EQ(Find<QComboBox>("comboMediaType").count(), 2);
}

TEST_F(CHPPJLGeneralPageTest, ControlsChangeTheRules)
{
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
