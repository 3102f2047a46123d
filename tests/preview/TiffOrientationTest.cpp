#include "CInkPicture.h"
#include "CPlotRenderer.h"
#include "CTempDir.h"
#include "RasterSamples.h"

#include <gtest/gtest.h>

// A TIFF's Orientation tag says where its stored rows and columns belong
// on the picture as seen. The test writes a picture that looks the same in
// every orientation (a bar along the top, one down the left, a square near
// the lower right), storing each pixel where the tag's definition puts it,
// and expects that picture back from the preview, whichever way libtiff
// hands over the rows.
namespace {
constexpr int kSeenWidth = 60;
constexpr int kSeenHeight = 40;
constexpr int kScale = 2;

bool SeenInk(int x, int y)
{
    return y < 6 || x < 10 || (x >= 45 && x < 56 && y >= 28 && y < 37);
}

// Where a stored pixel is seen: orientation 5 to 8 store the seen rows as
// columns.
bool StoredInk(std::uint32_t column, std::uint32_t row, std::uint16_t orientation)
{
    const int c = static_cast<int>(column), r = static_cast<int>(row);
    const int w = kSeenWidth - 1, h = kSeenHeight - 1;
    switch (orientation) {
    case ORIENTATION_TOPRIGHT: return SeenInk(w - c, r);
    case ORIENTATION_BOTRIGHT: return SeenInk(w - c, h - r);
    case ORIENTATION_BOTLEFT: return SeenInk(c, h - r);
    case ORIENTATION_LEFTTOP: return SeenInk(r, c);
    case ORIENTATION_RIGHTTOP: return SeenInk(w - r, c);
    case ORIENTATION_RIGHTBOT: return SeenInk(w - r, h - c);
    case ORIENTATION_LEFTBOT: return SeenInk(r, h - c);
    default: return SeenInk(c, r);
    }
}

class TiffOrientation : public testing::TestWithParam<std::tuple<std::uint16_t, bool>> {};

TEST_P(TiffOrientation, PreviewShowsThePictureAsSeen)
{
    const auto [orientation, rgbTiles] = GetParam();
    const bool sideways = orientation >= ORIENTATION_LEFTTOP;
    const std::uint32_t width = sideways ? kSeenHeight : kSeenWidth, height = sideways ? kSeenWidth : kSeenHeight;
    const TiffSample sample = rgbTiles ? TiffSample{.width = width, .height = height, .bits = 8, .samples = 3,
                                                    .photometric = PHOTOMETRIC_RGB, .compression = COMPRESSION_NONE,
                                                    .tiled = true, .orientation = orientation}
                                       : TiffSample{.width = width, .height = height, .orientation = orientation};
    CTempDir folder;
    const std::string path = folder.File("picture.tif");
    WriteTiff(path, sample, [&, rgb = rgbTiles, turn = orientation](std::uint32_t x, std::uint32_t y, int) {
        const bool ink = StoredInk(x, y, turn);
        return static_cast<std::uint8_t>(rgb ? (ink ? 0 : 255) : ink);
    });

    const CPreviewResult result = CPlotRenderer().Render(path, PlotFormat::Tiff, kSeenWidth * kScale);

    ASSERT_TRUE(result.IsRendered()) << result.Message();
    CInkPicture expected(kSeenWidth * kScale, kSeenHeight * kScale);
    for (int y = 0; y < expected.Height(); ++y)
        for (int x = 0; x < expected.Width(); ++x)
            if (SeenInk(x / kScale, y / kScale))
                expected.Set(x, y);
    CInkPicture::ExpectAlike(CInkPicture::FromImage(result.Image()), expected, CInkPicture::Frame::Page);
}

INSTANTIATE_TEST_SUITE_P(Orientations, TiffOrientation,
                         testing::Combine(testing::Range<std::uint16_t>(1, 9), testing::Bool()),
                         [](const auto& info) {
                             return "Orientation" + std::to_string(std::get<0>(info.param)) +
                                    (std::get<1>(info.param) ? "RgbTiles" : "Group4");
                         });
}
