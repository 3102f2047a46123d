#include "CHpglPainter.h"
#include "CHpglParser.h"
#include "CaseNames.h"

#include <gtest/gtest.h>

// Hand-written raster fills (RF, FT 11) painted over a page one inch wide:
// a pattern's dot is 1/300 inch, so a picture 1200 pixels wide shows it as
// 4 x 4 pixels, and one 150 pixels wide as half a pixel, where the dots
// blend into the grey of their share of ink.
namespace {
struct PatternCase {
    std::string name;
    std::string hpgl;
    int pictureWidth;
    double darkness;  // mean, of the filled middle of the page
    int period;  // pixels after which a row repeats; 0: not checked
};

const std::string kInchPage = "IN;PS1016,1016;SP1;PA0,0;";

const PatternCase kPatterns[] = {
    {"Checker", kInchPage + "RF1,2,2,1,0,0,1;FT11,1;RA1016,1016;", 1200, 0.5, 8},
    {"OneColumnInFour", kInchPage + "RF2,4,1,3,0,0,0;FT11,2;RA1016,1016;", 1200, 0.25, 16},
    {"PenZeroIsWhite", kInchPage + "RF1,2,2,0,0,0,0;FT11,1;RA1016,1016;", 1200, 0, 0},
    {"WhiteCoversInk", kInchPage + "RA1016,1016;RF1,2,1,1,0;FT11,1;RA1016,1016;", 1200, 0.5, 8},
    {"NoPatternIsSolid", kInchPage + "FT11,1;RA1016,1016;", 1200, 1, 0},
    {"CheckerSmallerThanPixels", kInchPage + "RF1,2,2,1,0,0,1;FT11,1;RA1016,1016;", 150, 0.5, 0},
    {"ColumnSmallerThanPixels", kInchPage + "RF2,4,1,3,0,0,0;FT11,2;RA1016,1016;", 150, 0.25, 0},
};

double Darkness(QRgb pixel)
{
    return 1 - qGray(pixel) / 255.0;
}

class HpglPainterPatternTest : public testing::TestWithParam<PatternCase> {};

TEST_P(HpglPainterPatternTest, PatternIsTiledAtThePreviewsScale)
{
    const HpglParseResult result = CHpglParser().Parse(GetParam().hpgl);
    ASSERT_TRUE(result.Ok()) << result.error;
    const int side = GetParam().pictureWidth;
    const QImage image = CHpglPainter(result.drawing, QSize(side, side)).Paint({});
    ASSERT_EQ(image.width(), side);
    double sum = 0;
    long pixels = 0;
    for (int y = side / 4; y < side * 3 / 4; ++y)
        for (int x = side / 4; x < side * 3 / 4; ++x, ++pixels)
            sum += Darkness(image.pixel(x, y));
    EXPECT_NEAR(sum / static_cast<double>(pixels), GetParam().darkness, 0.05);
    const int period = GetParam().period;
    for (int x = side / 4; period > 0 && x < side / 2; ++x)
        EXPECT_EQ(image.pixel(x, side / 2), image.pixel(x + period, side / 2)) << x;
}

INSTANTIATE_TEST_SUITE_P(RasterFills, HpglPainterPatternTest, testing::ValuesIn(kPatterns), ByCaseName());
}
