#include "CHPPJLColorPage.h"
#include "CPageTestFixture.h"

#include <QCheckBox>
#include <QComboBox>

namespace {
using Data = CColorSettings::Data;

class CHPPJLColorPageTest : public CPageTestFixture, public testing::Test {
protected:
    CHPPJLColorPageTest() : CPageTestFixture("")
    {
        Show(m_settings, m_page, "[Color]\nRasterColor=RED\nVectorDrawingColorRed=RED\n");
    }

    CSettingsGrid& Grid() { return Find<CSettingsGrid>(); }
    QString Name(int color) const { return QString::fromStdString(m_plotter.GetColorNames().at(color)); }

    CColorSettings m_settings{m_plotter};
    CHPPJLColorPage m_page{m_settings, m_plotter};
};

TEST_F(CHPPJLColorPageTest, ShowsTheSettingsAndTheCheckDisablesAndResetsTheGrid)
{
    EXPECT_EQ(Find<QComboBox>().currentText(), Name(CColorSettings::kRed));
    EXPECT_TRUE(Find<QCheckBox>().isChecked() && Grid().isEnabled());
    EXPECT_EQ(Grid().Text(3, 2), Name(CColorSettings::kRed));
    EXPECT_EQ(Grid().Text(3, 1), Name(CColorSettings::kBlack));
    EXPECT_EQ(Grid().CellBackground(3, 1), QColor(1, 1, 1));

    QTest::mouseClick(&Find<QCheckBox>(), Qt::LeftButton);
    EXPECT_FALSE(m_settings.IsConversionOn() || Grid().isEnabled());
    EXPECT_EQ(Grid().Text(3, 2), "");
    EXPECT_EQ(Grid().Text(8, 0).toStdString(), Text(ResId::kSourceCyanName));

    QTest::mouseClick(&Find<QCheckBox>(), Qt::LeftButton);
    EXPECT_TRUE(Grid().isEnabled());
    EXPECT_EQ(Grid().Text(3, 2), Name(CColorSettings::kBlack));
}

TEST_F(CHPPJLColorPageTest, ChoosingInTheListChangesTheRules)
{
    auto* list = qobject_cast<QComboBox*>(OpenEditor(Grid(), 5, 1));
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->currentText(), Name(CColorSettings::kBlack));
    list->setCurrentIndex(CColorSettings::kRed);
    Enter(*list);

    EXPECT_EQ(Grid().OpenEditor(), nullptr);
    EXPECT_EQ(m_settings.GetCell(Data::Raster, 4), CColorSettings::kRed);
    EXPECT_EQ(Grid().Text(5, 1), Name(CColorSettings::kRed));
    EXPECT_EQ(Grid().CellBackground(5, 1), QColor(255, 0, 0));
}
}
