#include "CHpglParser.h"
#include "CTempDir.h"
#include "CaseNames.h"
#include "PlotSamples.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>

namespace {
std::string Pairs(std::initializer_list<long> values, int base = 64)
{
    std::string out;
    for (const long value : values)
        out += PeNumber(value, base);
    return out;
}

const std::string kEsc = "\x1b";

struct DrawingCase {
    std::string name;
    std::string hpgl;
    // The plot's size, in mm: the page where PS sets one, else the extents.
    double widthMm;
    double heightMm;
    int pages = 1;
};

const DrawingCase kDrawings[] = {
    {"Lines", "IN;SP1;PU0,0;PD4000,0,4000,2000;", 100, 50},
    {"LowerCaseAndSpaces", "in; sp 1; pu 0 0; pd 4000 0 -4000 2000", 200, 50},
    {"Relative", "IN;PR;PU100,100;PD1000,0,0,500;", 25, 12.5},
    {"PageSet", "IN;PS47560,33640;PU;PD100,100,200,200;", 1189, 841},
    {"PageTurned", "IN;PS47560,33640;RO90;PU0,0;PD1000,1000;", 841, 1189},
    // GNU plotutils writes PS with the length alone (letter: PS10668).
    {"PageLengthOnly", "IN;PS10668;IP0,0,8128,8128;SC0,100,0,100;PU0,0;PD100,100;", 266.7, 266.7},
    {"PageLengthOnlyTurned", "IN;PS8000;RO90;IR0,0,50,50;PU0,0;PD1000,1000;", 200, 200},
    {"PageLengthZero", "IN;PS0;PU0,0;PD4000,2000;", 100, 50},
    {"Anisotropic", "IN;IP0,0,8000,4000;SC0,100,0,50;PU0,0;PD100,50;", 200, 100},
    {"Isotropic", "IN;IP0,0,8000,4000;SC0,100,0,100,1;PU0,0;PD100,100;", 100, 100},
    {"PointFactor", "IN;SC0,2,0,3,2;PU0,0;PD1000,1000;", 50, 75},
    {"IpMovesP2Along", "IN;IP0,0,4000,4000;IP1000,1000;SC0,1,0,1;PU0,0;PD1,1;", 100, 100},
    {"Encoded", "IN;PE<=" + Pairs({0, 0, 4000, 0, 0, -2000}) + ";", 100, 50},
    {"EncodedSevenBit", "IN;PE7<=" + Pairs({0, 0, 4000, 0, 0, -2000}, 32) + ";", 100, 50},
    {"EncodedFraction", "IN;PE>" + PeNumber(2) + "<=" + Pairs({0, 0, 16000, 8000}) + ";", 100, 50},
    {"EncodedPenUp", "IN;PE<=" + Pairs({0, 0}) + "<" + Pairs({4000, 4000, 40, 40}) + ";", 1, 1},
    {"EncodedPenAndAbsolute", "IN;PE:" + PeNumber(2) + "=" + Pairs({400, 400, 400, 0}) + "=" + Pairs({800, 800}) + ";",
     20, 20},
    {"Circle", "IN;PU5000,5000;CI1000;", 50, 50},
    {"ArcAbsolute", "IN;PU0,0;PD;AA0,1000,180;", 25, 50},
    {"ArcRelativeUp", "IN;PU0,0;AR0,1000,180;PD;PR0,400;", 0, 10},
    {"Rectangles", "IN;PU100,100;EA1100,600;ER-200,-200;RR2000,40;", 55, 17.5},
    {"Wedge", "IN;PU0,0;WG400,0,90;", 10, 10},
    {"PolygonFilled", "IN;PM0;PU0,0;PD800,0,800,400;PM1;PU2000,2000;PD2400,2000;PM2;FP;", 60, 50},
    {"Label", "IN;DT*;PU0,0;SI0.5,1;LBABCD*", 30, 10},
    {"LabelThenLine", "IN;SI1,1;PU0,0;LBAB\x03PD;PR0,400;", 30, 10},
    {"UnknownCommandsSkipped", "IN;ZZ1,2;BP\"PD 99999,99999\";PU0,0;PD400,400;", 10, 10},
    {"PjlAndPcl", kEsc + "%-12345X@PJL JOB\n@PJL ENTER LANGUAGE=HPGL2\n" + kEsc + "E" + kEsc + "*b12W PD9999,9999;" + kEsc +
                      "%1BIN;PU0,0;PD400,400;" + kEsc + "%0A PD 90000,0 text" + kEsc + "%1BPU;" + kEsc + "%-12345X",
     10, 10},
    {"PagesCountedPageOneSized", "IN;PS4000,2000;PU0,0;PD400,400;PG;PS8000,4000;PD800,800;PG1;PD1,1;PG;PG;", 100, 50, 3},
    {"AdvanceFullPage", "IN;PU0,0;PD4000,2000;AF;PU;PD40,40;", 100, 50, 2},
    {"FeedsWithoutDrawing", "IN;PG;PU0,0;PD4000,2000;PG;PG;", 100, 50, 1},
};

class HpglDrawingTest : public testing::TestWithParam<DrawingCase> {};

TEST_P(HpglDrawingTest, SizeIsThePageElseWhatIsDrawn)
{
    const HpglParseResult result = CHpglParser().Parse(GetParam().hpgl);
    ASSERT_TRUE(result.Ok()) << result.error;
    EXPECT_NEAR(result.drawing.WidthMm(), GetParam().widthMm, 0.1);
    EXPECT_NEAR(result.drawing.HeightMm(), GetParam().heightMm, 0.1);
    EXPECT_EQ(result.pages, GetParam().pages);
}

INSTANTIATE_TEST_SUITE_P(Drawings, HpglDrawingTest, testing::ValuesIn(kDrawings), ByCaseName());

TEST(HpglParserTest, PolylinesKeepTheirPenWidthAndFill)
{
    const auto result = CHpglParser().Parse("IN;SP2;PW0.5;PU0,0;PD100,0;SP3;PD100,100;RA200,200;SP0;PD0,0;");
    ASSERT_TRUE(result.Ok());
    const auto& lines = result.drawing.Polylines();
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(std::make_tuple(lines[0].pen, lines[0].count, lines[0].penWidthMm), std::make_tuple(2, 2u, 0.5f));
    EXPECT_EQ(std::make_tuple(lines[1].pen, lines[1].count, lines[1].flags), std::make_tuple(3, 2u, 0));
    EXPECT_EQ(std::make_tuple(lines[2].first, lines[2].count, lines[2].flags),
              std::make_tuple(4u, 5u, +CHpglDrawing::kFilled));
}

// Without a page P1 and P2 lie 12500 units apart, so a pattern is 500 long:
// LT 2 draws 250 and leaves 250. A line of 4600 units holds nine patterns
// and a part, or, adaptive, nine patterns stretched.
TEST(HpglParserTest, LineTypesCutLinesIntoDashes)
{
    for (const auto& [hpgl, dashes] : {std::pair{"IN;LT2;PA0,0;PD4600,0;", 10}, {"IN;LT-2;PA0,0;PD4600,0;", 9},
                                       {"IN;LT2,1,1;PA0,0;PD400,0;", 10}, {"IN;LT;PA0,0;PD4600,0;", 1},
                                       {"IN;LT2;IW0,0,900,100;PA0,0;PD4600,0;", 2}}) {
        const HpglParseResult result = CHpglParser().Parse(hpgl);
        EXPECT_EQ(result.drawing.Polylines().size(), static_cast<std::size_t>(dashes)) << hpgl;
    }
}

// LT 0 draws a dot at each end of every line and nothing between, however
// long the line; dots are lines of one unit within it.
TEST(HpglParserTest, LineTypeZeroDotsTheEndsOfEachLine)
{
    const HpglParseResult result = CHpglParser().Parse("IN;SP1;LT0;PA0,0;PD4000,0,4000,3000;PU;LT0,1,1;PD4000,3000;");
    std::vector<std::array<float, 4>> dots;
    for (const auto& line : result.drawing.Polylines()) {
        ASSERT_EQ(line.count, 2u);
        const PlotPoint* ends = &result.drawing.Points()[line.first];
        dots.push_back({ends[0].x, ends[0].y, ends[1].x, ends[1].y});
    }
    EXPECT_EQ(dots, (std::vector<std::array<float, 4>>{{0, 0, 1, 0}, {3999, 0, 4000, 0}, {4000, 0, 4000, 1},
                                                       {4000, 2999, 4000, 3000}}));
}

// Hand-written raster fills: the filled area carries the pattern RF
// defined, or is solid where FT 11 names no defined pattern.
struct RasterFillCase {
    std::string name;
    std::string hpgl;
    int width;  // of the pattern; 0: a solid fill
    int height;
    std::vector<std::uint8_t> pens;
};

const RasterFillCase kRasterFills[] = {
    {"Checker", "IN;RF1,2,2,1,0,0,1;FT11,1;RA100,100;", 2, 2, {1, 0, 0, 1}},
    {"PixelsLeftOutAreWhite", "IN;RF3,3,1,2;FT11,3;RA100,100;", 3, 1, {2, 0, 0}},
    {"ExtraPixelsIgnored", "IN;RF2,1,1,5,6,7;FT11,2;RA100,100;", 1, 1, {5}},
    {"RedefinedAfterFt", "IN;RF1,1,1,1;FT11,1;RF1,2,1,0,3;RA100,100;", 2, 1, {0, 3}},
    {"NoPatternDefined", "IN;FT11,1;RA100,100;", 0, 0, {}},
    {"OtherIndexDefined", "IN;RF1,1,1,1;FT11,2;RA100,100;", 0, 0, {}},
    {"IndexAloneForgets", "IN;RF1,1,1,1;RF1;FT11,1;RA100,100;", 0, 0, {}},
    {"RfAloneForgetsAll", "IN;RF1,1,1,1;RF;FT11,1;RA100,100;", 0, 0, {}},
    {"TooLarge", "IN;RF1,65,1,1;FT11,1;RA100,100;", 0, 0, {}},
    {"IndexOutOfRange", "IN;RF9,1,1,1;FT11,9;RA100,100;PA0,0;PD10,10;", 0, 0, {}},
    {"InForgets", "IN;RF1,1,1,1;IN;FT11,1;RA100,100;", 0, 0, {}},
};

class HpglRasterFillTest : public testing::TestWithParam<RasterFillCase> {};

TEST_P(HpglRasterFillTest, FillCarriesThePatternDefined)
{
    const HpglParseResult result = CHpglParser().Parse(GetParam().hpgl);
    ASSERT_TRUE(result.Ok()) << result.error;
    ASSERT_FALSE(result.drawing.Polylines().empty());
    const auto& fill = result.drawing.Polylines().front();
    EXPECT_TRUE(fill.flags & CHpglDrawing::kFilled);
    const CHpglDrawing::RasterPattern* pattern = result.drawing.PatternOf(fill.flags);
    if (GetParam().width == 0) {
        EXPECT_EQ(pattern, nullptr);
        return;
    }
    ASSERT_NE(pattern, nullptr);
    EXPECT_EQ(std::make_tuple(int{pattern->width}, int{pattern->height}, pattern->pens),
              std::make_tuple(GetParam().width, GetParam().height, GetParam().pens));
}

INSTANTIATE_TEST_SUITE_P(RasterFills, HpglRasterFillTest, testing::ValuesIn(kRasterFills), ByCaseName());

// hp2xx's symbols.hp draws its symbols several times the character size,
// so symbol mode is checked here: the character centred on every point.
TEST(HpglParserTest, SymbolModeMarksEveryPointWithItsCharacter)
{
    const HpglParseResult result = CHpglParser().Parse("IN;SP1;SM*;PA1000,1000;PD2000,1000,2000,2000;PU;SM;PA0,0;SMY;PD;");
    ASSERT_EQ(result.drawing.Labels().size(), 3u);
    for (const auto& label : result.drawing.Labels()) {
        EXPECT_EQ(result.drawing.LabelText(label), "*");
        const double middleX = label.anchor.x + label.advance / 3;
        const double middleY = label.anchor.y + label.height / 2;
        EXPECT_TRUE((std::abs(middleX - 1000) < 1 || std::abs(middleX - 2000) < 1) &&
                    (std::abs(middleY - 1000) < 1 || std::abs(middleY - 2000) < 1))
            << middleX << "," << middleY;
    }
    EXPECT_EQ(result.drawing.Polylines().size(), 2u);
}

TEST(HpglParserTest, TurnedPageKeepsTheDrawingAsTheFileSeesIt)
{
    const auto result = CHpglParser().Parse("IN;PS4000,2000;RO90;PU100,300;PD200,300;LBA\x03");
    ASSERT_TRUE(result.Ok());
    const auto& points = result.drawing.Points();
    ASSERT_EQ(points.size(), 2u);
    EXPECT_EQ(std::make_tuple(points[1].x, points[1].y, result.drawing.PageWidth()), std::make_tuple(200.f, 300.f, 2000.f));
    ASSERT_EQ(result.drawing.Labels().size(), 1u);
    EXPECT_NEAR(result.drawing.Labels()[0].directionRadians, 0, 1e-6);
    EXPECT_EQ(result.drawing.LabelText(result.drawing.Labels()[0]), "A");
}

TEST(HpglParserTest, FileReadInBlocksGivesWhatTheBufferGives)
{
    std::string hpgl = "IN;PU0,0;PD";
    for (int i = 0; i < 60000; ++i)
        hpgl += std::to_string(i % 997) + "," + std::to_string(i % 89) + ",";
    CTempDir folder;
    const auto fromFile = CHpglParser().ParseFile(folder.Write("big.plt", hpgl + "0,0;"));
    const auto fromBuffer = CHpglParser().Parse(hpgl + "0,0;");
    ASSERT_TRUE(fromFile.Ok());
    EXPECT_EQ(fromFile.drawing.Points().size(), 60002u);
    EXPECT_EQ(fromFile.drawing.Points().size(), fromBuffer.drawing.Points().size());
    EXPECT_EQ(fromFile.drawing.Extents().maxX, 996);
}

struct DamageCase {
    const char* name;
    std::string hpgl;
    CHpglParser::Limits limits;
    const char* error;
};

std::string ManyLines(int count)
{
    std::string hpgl = "PD";
    for (int i = 0; i < count; ++i)
        hpgl += "1,1,";
    return hpgl;
}

const DamageCase kDamage[] = {
    {"Empty", "", {}, "damaged HP-GL file: no HP-GL commands"},
    {"Binary", std::string("\x00\x01\xff\x80 1,2,3", 9), {}, "damaged HP-GL file: no HP-GL commands"},
    {"TooManyPoints", ManyLines(200), {.maxPoints = 100}, "damaged HP-GL file: more than 100 points"},
    {"TooLarge", ManyLines(20), {.maxBytes = 16}, "damaged HP-GL file: larger than 16 bytes"},
    {"TooSlow", ManyLines(40000), {.maxSeconds = 0}, "damaged HP-GL file: still not read after 0 s"},
    {"HugeNumbers", "SC0,1e-300,0,0.0000000000000000001;PD99999999999999999999999999,-9999999999999999999999999999999"
                    ";CI99999999999999999999;AA1,1,1e308;PW999999999999;SI-9999999999,1;LBX\x03PE" +
                        std::string(40, '~') + "\xbe;",
     {}, ""},
};

class HpglDamageTest : public testing::TestWithParam<DamageCase> {};

TEST_P(HpglDamageTest, DamageIsReportedAndNumbersStayBounded)
{
    const auto result = CHpglParser(GetParam().limits).Parse(GetParam().hpgl);
    EXPECT_EQ(result.error, GetParam().error);
    const PlotBox& box = result.drawing.Extents();
    EXPECT_TRUE(box.IsEmpty() || (std::isfinite(box.Width()) && std::isfinite(box.Height())));
}

INSTANTIATE_TEST_SUITE_P(Damage, HpglDamageTest, testing::ValuesIn(kDamage), ByCaseName());
}
