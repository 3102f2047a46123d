#include "CPlotRenderer.h"
#include "CTempDir.h"
#include "CaseNames.h"
#include "PlotSamples.h"
#include "RasterSamples.h"

#include <gtest/gtest.h>

#include <functional>

// Pictures of files made here, checked at a few points: black on a line or
// a filled half, white elsewhere.
namespace {
struct Probe {
    double x;  // share of the picture's width
    double y;
    bool black;
};

struct RenderCase {
    const char* name;
    const char* format;
    std::function<void(const std::string& path)> write;
    int width;
    QSize size;
    std::vector<Probe> probes;
    std::string message;  // of a result without a picture
};

// A 1-bit picture of 400 x 200 pixels, its left half black.
std::uint8_t LeftHalf(std::uint32_t x, std::uint32_t, int)
{
    return x < 200 ? 1 : 0;
}

const std::vector<Probe> kLeftHalfBlack = {{0.25, 0.5, true}, {0.75, 0.5, false}};

bool IsBlackNear(const QImage& image, int x, int y)
{
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx)
            if (image.valid(x + dx, y + dy) && qGray(image.pixel(x + dx, y + dy)) < 128)
                return true;
    return false;
}

// A square of 4000 units with one of half its side inside, both drawn
// counter-clockwise in polygon mode, then filled as the commands say.
std::string HoleSquare(const std::string& fill)
{
    return "IN;SP1;PA0,0;PM0;PD4000,0,4000,4000,0,4000,0,0;PM1;PU1000,1000;PD3000,1000,3000,3000,1000,3000,1000,1000;"
           "PM2;" + fill;
}

class Render : public testing::TestWithParam<RenderCase> {};

TEST_P(Render, DrawsThePageInBlackOnWhite)
{
    const RenderCase& c = GetParam();
    CTempDir dir;
    const std::string path = dir.File("plot");
    c.write(path);

    const CPreviewResult result = CPlotRenderer().Render(path, c.format, c.width);

    EXPECT_EQ(result.Message(), c.message);
    EXPECT_EQ(result.Image().size(), c.size);
    for (const Probe& probe : c.probes) {
        const int x = static_cast<int>(probe.x * c.size.width());
        const int y = static_cast<int>(probe.y * c.size.height());
        EXPECT_EQ(IsBlackNear(result.Image(), x, y), probe.black) << x << ',' << y;
    }
}

// The frame of 4000 x 2000 units has a margin of 80 and 40 units each side.
const std::vector<Probe> kFrameAndDiagonal = {
    {0.5, 0.5, true}, {80 / 4160.0, 0.5, true}, {0.5, 2040 / 2080.0, true}, {0.25, 0.25, false}, {0.75, 0.7, false}};

INSTANTIATE_TEST_SUITE_P(
    Files, Render,
    testing::Values(
        RenderCase{"HpglWidePen", "HPGL", [](auto& path) { WriteFileBytes(path, kSampleHpgl); }, 1024, {1024, 512},
                   kFrameAndDiagonal, ""},
        RenderCase{"HpglThinPen", "HP-GL/2", [](auto& path) { WriteFileBytes(path, kSampleHpgl); }, 256, {256, 128},
                   kFrameAndDiagonal, ""},
        // A square with a square hole: filled by the non-zero rule (FP 1) the
        // hole is black, by the even-odd rule (FP, FP 0) white; shading
        // (FT 10) is as dark as its level.
        RenderCase{"HpglNonZeroFill", "HPGL", [](auto& path) { WriteFileBytes(path, HoleSquare("FP1;")); }, 208,
                   {208, 208}, {{0.5, 0.5, true}, {0.1, 0.1, true}}, ""},
        RenderCase{"HpglEvenOddFill", "HPGL", [](auto& path) { WriteFileBytes(path, HoleSquare("FP;")); }, 208,
                   {208, 208}, {{0.5, 0.5, false}, {0.1, 0.1, true}}, ""},
        RenderCase{"HpglShadedLightly", "HPGL", [](auto& path) { WriteFileBytes(path, HoleSquare("FT10,20;FP;")); },
                   208, {208, 208}, {{0.1, 0.1, false}}, ""},
        RenderCase{"HpglShadedDarkly", "HPGL", [](auto& path) { WriteFileBytes(path, HoleSquare("FT10,80;FP;")); },
                   208, {208, 208}, {{0.1, 0.1, true}}, ""},
        RenderCase{"Pdf", "PDF", [](auto& path) { WriteFileBytes(path, SamplePdf(595, 842, 1, "0 0 297 842 re f")); },
                   200, {200, 283}, kLeftHalfBlack, ""},
        RenderCase{"Tiff", "TIFF",
                   [](auto& path) {
                       WriteTiff(path, {.width = 400, .height = 200, .bits = 8, .photometric = PHOTOMETRIC_MINISBLACK,
                                        .compression = COMPRESSION_NONE},
                                 [](std::uint32_t x, std::uint32_t, int) { return std::uint8_t(x < 200 ? 0 : 255); });
                   },
                   200, {200, 100}, kLeftHalfBlack, ""},
        RenderCase{"Cals", "CALS",
                   [](auto& path) { WriteFileBytes(path, CalsFile("000,270", 400, 200, 200, LeftHalf)); }, 200,
                   {200, 100}, kLeftHalfBlack, ""},
        RenderCase{"AbsurdWidth", "PDF", [](auto& path) { WriteFileBytes(path, SamplePdf(595, 842)); }, 100000, {0, 0},
                   {}, "cannot render: the width must be 16 to 8192 pixels"}),
    ByCaseName());

TEST(RenderTest, StopsWhenAsked)
{
    CTempDir dir;
    const std::string path = dir.Write("frame.plt", kSampleHpgl);
    std::stop_source stop;
    stop.request_stop();

    const CPreviewResult result = CPlotRenderer().Render(path, "HPGL", 1024, stop.get_token());

    EXPECT_EQ(result.GetOutcome(), CPreviewResult::Outcome::Cancelled);
}
}
