#include "CPlotSize.h"
#include "CaseNames.h"

#include <gtest/gtest.h>

namespace {
struct SizeCase {
    const char* name;
    double widthMm;
    double heightMm;
    int pages;
    const char* millimetres;
    const char* inches;
    const char* ascii;
};

// Sheet sides 1% off still match, a little more does not; either way round.
const SizeCase kSizes[] = {
    {"A0Portrait", 841, 1189, 1, "841 × 1189 mm (A0)", "33.1 × 46.8 in (A0)", "841 x 1189 mm (A0)"},
    {"A4Landscape", 297, 210, 1, "297 × 210 mm (A4)", "11.7 × 8.3 in (A4)", "297 x 210 mm (A4)"},
    {"OnePercentOver", 849.4, 1200.8, 1, "849 × 1201 mm (A0)", "33.4 × 47.3 in (A0)", "849 x 1201 mm (A0)"},
    {"OnePercentUnder", 1177.2, 832.7, 1, "1177 × 833 mm (A0)", "46.3 × 32.8 in (A0)", "1177 x 833 mm (A0)"},
    {"PastOnePercent", 849.5, 1189, 1, "850 × 1189 mm", "33.4 × 46.8 in", "850 x 1189 mm"},
    {"ArchD", 609.6, 914.4, 1, "610 × 914 mm (ARCH D)", "24.0 × 36.0 in (ARCH D)", "610 x 914 mm (ARCH D)"},
    {"ArchE1", 762, 1066.8, 1, "762 × 1067 mm (ARCH E1)", "30.0 × 42.0 in (ARCH E1)", "762 x 1067 mm (ARCH E1)"},
    {"AnsiE", 1117.6, 863.6, 1, "1118 × 864 mm (ANSI E)", "44.0 × 34.0 in (ANSI E)", "1118 x 864 mm (ANSI E)"},
    {"TwoA0", 1189, 1682, 1, "1189 × 1682 mm (2A0)", "46.8 × 66.2 in (2A0)", "1189 x 1682 mm (2A0)"},
    {"Pages", 210, 297, 3, "210 × 297 mm (A4), 3 pages", "8.3 × 11.7 in (A4), 3 pages", "210 x 297 mm (A4), 3 pages"},
    {"UnderOneMillimetre", 0.5, 0.26, 1, "0.5 × 0.3 mm", "0.02 × 0.01 in", "0.5 x 0.3 mm"},
    {"JustUnderOneMillimetre", 0.94, 12, 1, "0.9 × 12 mm", "0.04 × 0.5 in", "0.9 x 12 mm"},
    {"RoundsToOneMillimetre", 0.96, 3.2, 1, "1 × 3 mm", "0.04 × 0.1 in", "1 x 3 mm"},
    {"NoSize", 0, 0, 0, "—", "—", "-"},
};

class PlotSizeTest : public testing::TestWithParam<SizeCase> {};

TEST_P(PlotSizeTest, ShowsMillimetresInchesAndTheMatchingSheet)
{
    const SizeCase& c = GetParam();
    const CPlotSize size(c.widthMm, c.heightMm, c.pages);
    EXPECT_EQ(size.Format(), c.millimetres);
    EXPECT_EQ(size.Format(CPlotSize::Unit::Inches), c.inches);
    EXPECT_EQ(size.FormatAscii(), c.ascii);
}

INSTANTIATE_TEST_SUITE_P(Sizes, PlotSizeTest, testing::ValuesIn(kSizes), ByCaseName());
}
