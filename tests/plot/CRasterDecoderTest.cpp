#include "CRasterDecoder.h"
#include "CTempDir.h"
#include "CaseNames.h"
#include "RasterSamples.h"

#include <gtest/gtest.h>

namespace {
// Black left half on white, as a set bit means in a 1-bit picture.
std::uint8_t LeftHalf(std::uint32_t x, std::uint32_t, int)
{
    return x < 400 ? 1 : 0;
}

std::uint8_t Rust(std::uint32_t, std::uint32_t, int sample)
{
    return static_cast<std::uint8_t>(200 - 75 * sample);
}

struct Probe {
    int x;
    int y;
    std::uint8_t value;  // the first channel
};

struct DecodeCase {
    const char* name;
    bool cals;
    std::function<void(const std::string& path)> write;
    int maxWidth;
    int width;
    int height;
    int channels;
    std::vector<Probe> probes;
    const char* error;
};

const DecodeCase kCases[] = {
    {"Group4", false, [](auto& p) { WriteTiff(p, {.width = 800, .height = 400}, LeftHalf); }, 100, 100, 50, 1,
     {{10, 10, 0}, {90, 40, 255}}, ""},
    {"GreyMinIsWhite", false,
     [](auto& p) { WriteTiff(p, {.width = 40, .height = 20, .bits = 8, .compression = COMPRESSION_NONE}, Rust); }, 0, 40,
     20, 1, {{5, 5, 55}}, ""},
    {"Rgb", false,
     [](auto& p) {
         WriteTiff(p, {.width = 64, .height = 32, .bits = 8, .samples = 3, .photometric = PHOTOMETRIC_RGB,
                       .compression = COMPRESSION_LZW}, Rust);
     },
     16, 16, 8, 3, {{3, 3, 200}}, ""},
    {"RgbTiles", false,
     [](auto& p) {
         WriteTiff(p, {.width = 40, .height = 40, .bits = 8, .samples = 3, .photometric = PHOTOMETRIC_RGB,
                       .compression = COMPRESSION_NONE, .tiled = true}, Rust);
     },
     20, 20, 20, 3, {{19, 19, 200}}, ""},
    {"NotTiff", false, [](auto& p) { WriteFileBytes(p, "II*\0rest"); }, 100, 0, 0, 1, {}, "damaged TIFF file: "},
    {"Cals", true, [](auto& p) { WriteFileBytes(p, CalsFile("000,270", 800, 400, 200, LeftHalf)); }, 100, 100, 50, 1,
     {{10, 10, 0}, {90, 40, 255}}, ""},
    {"CalsTurned", true, [](auto& p) { WriteFileBytes(p, CalsFile("090,000", 800, 400, 200, LeftHalf)); }, 50, 50, 100,
     1, {{25, 90, 0}, {25, 10, 255}}, ""},
    // libtiff warns of the premature end and still gives the lines it read.
    {"CalsCutShort", true,
     [](auto& p) {
         const std::string whole = CalsFile("000,270", 800, 400, 200, LeftHalf);
         WriteFileBytes(p, whole.substr(0, 2048 + (whole.size() - 2048) / 2));
     },
     100, 100, 50, 1, {{10, 5, 0}, {90, 5, 255}}, ""},
    {"CalsHuge", true,
     [](auto& p) { WriteFileBytes(p, CalsFile("000,270", 8, 8, 200, LeftHalf).replace(1152, 22, "rpelcnt: 999999,999999")); },
     100, 0, 0, 1, {}, "damaged CALS file: a picture of 999999 x 999999 pixels is out of bounds"},
    {"CalsBrokenData", true,
     [](auto& p) { WriteFileBytes(p, CalsFile("000,270", 800, 400, 200, LeftHalf).substr(0, 2048) + "\xff\xff" + '\0' + "garbage"); },
     100, 0, 0, 1, {}, "damaged CALS file: "},
};

class RasterDecoderTest : public testing::TestWithParam<DecodeCase> {};

TEST_P(RasterDecoderTest, DecodesIntoASmallBitmapOrSaysWhyNot)
{
    const DecodeCase& c = GetParam();
    CTempDir folder;
    const std::string path = folder.File("picture");
    c.write(path);
    const RasterResult result =
        c.cals ? CRasterDecoder().DecodeCals(path, c.maxWidth) : CRasterDecoder().DecodeTiff(path, c.maxWidth);
    EXPECT_EQ(result.error.substr(0, std::string(c.error).size()), c.error);
    EXPECT_EQ(result.error.empty(), std::string(c.error).empty());
    const RasterBitmap& bitmap = result.bitmap;
    EXPECT_EQ(std::make_tuple(bitmap.width, bitmap.height, bitmap.channels), std::make_tuple(c.width, c.height, c.channels));
    ASSERT_EQ(bitmap.pixels.size(), static_cast<std::size_t>(c.width * c.height * c.channels));
    for (const Probe& probe : c.probes)
        EXPECT_EQ(bitmap.pixels[static_cast<std::size_t>(probe.y) * bitmap.BytesPerLine() + probe.x * c.channels],
                  probe.value)
            << probe.x << "," << probe.y;
}

INSTANTIATE_TEST_SUITE_P(Pictures, RasterDecoderTest, testing::ValuesIn(kCases), ByCaseName());
}
