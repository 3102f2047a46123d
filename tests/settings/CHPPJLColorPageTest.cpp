#include "CHPPJLColorPage.h"
#include "CPlotter.h"
#include "CProfile.h"
#include "CResourceModule.h"
#include "CSettingsGrid.h"
#include "CTempDir.h"
#include "ResourceIds.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QTest>

namespace {
using Data = CColorSettings::Data;

CPlotter LoadedPlotter(const CTempDir& dir)
{
    CPlotter plotter(dir.File("none.ini"));
    plotter.LoadConfig("ZC");
    return plotter;
}

class CHPPJLColorPageTest : public testing::Test {
protected:
    CHPPJLColorPageTest()
    {
        CProfile current;
        current.Open(m_dir.Write("current.prn", "[Color]\nRasterColor=RED\nVectorDrawingColorRed=RED\n"));
        m_settings.Load(current);
        m_page.ShowSettings();
        m_page.show();
    }

    CSettingsGrid& Grid() { return *m_page.findChild<CSettingsGrid*>(); }
    QCheckBox& Check() { return *m_page.findChild<QCheckBox*>(); }
    QString Name(int color) const { return QString::fromStdString(m_plotter.GetColorNames().at(color)); }

    CTempDir m_dir;
    CPlotter m_plotter = LoadedPlotter(m_dir);
    CColorSettings m_settings{m_plotter};
    CHPPJLColorPage m_page{m_settings, m_plotter};
};

TEST_F(CHPPJLColorPageTest, ShowsTheSettings)
{
    EXPECT_EQ(m_page.findChild<QComboBox*>()->currentText(), Name(CColorSettings::kRed));
    EXPECT_TRUE(Check().isChecked());
    EXPECT_TRUE(Grid().isEnabled());
    EXPECT_EQ(Grid().Text(3, 2), Name(CColorSettings::kRed));
    EXPECT_EQ(Grid().Text(3, 1), Name(CColorSettings::kBlack));
    EXPECT_EQ(Grid().CellBackground(3, 1), QColor(1, 1, 1));
}

TEST_F(CHPPJLColorPageTest, CheckDisablesAndResetsTheGrid)
{
    QTest::mouseClick(&Check(), Qt::LeftButton);
    EXPECT_FALSE(m_settings.IsConversionOn());
    EXPECT_FALSE(Grid().isEnabled());
    EXPECT_EQ(Grid().Text(3, 2), "");
    EXPECT_EQ(Grid().Text(8, 0).toStdString(), CResourceModule::LoadString(ResId::kSourceCyanName));

    QTest::mouseClick(&Check(), Qt::LeftButton);
    EXPECT_TRUE(Grid().isEnabled());
    EXPECT_EQ(Grid().Text(1, 2), Name(CColorSettings::kWhite));
    EXPECT_EQ(Grid().Text(3, 2), Name(CColorSettings::kBlack));
}

TEST_F(CHPPJLColorPageTest, ChoosingInTheListChangesTheRules)
{
    static_cast<QAbstractItemView&>(Grid()).edit(Grid().model()->index(4, 1));
    auto* list = qobject_cast<QComboBox*>(Grid().OpenEditor());
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->currentText(), Name(CColorSettings::kBlack));
    list->setCurrentIndex(CColorSettings::kRed);
    QTest::keyClick(list, Qt::Key_Return);
    QCoreApplication::processEvents();  // the view closes its editor through a queued call

    EXPECT_EQ(Grid().OpenEditor(), nullptr);
    EXPECT_EQ(m_settings.GetCell(Data::Raster, 4), CColorSettings::kRed);
    EXPECT_EQ(Grid().Text(5, 1), Name(CColorSettings::kRed));
    EXPECT_EQ(Grid().CellBackground(5, 1), QColor(255, 0, 0));
}
}
