#include "CRasterTiffWriter.h"
#include "CTiffHandle.h"

#include "CTempDir.h"

#include <gtest/gtest.h>

// Raster pages written line by line must read back pixel for pixel, in the
// compression a printer expects for their kind.
namespace {
using Pixels = CRasterTiffWriter::Pixels;

struct PageCase {
    const char* name;
    Pixels pixels;
    std::uint32_t width;
    std::uint32_t height;
    // Lines given; the rest must come out white.
    std::uint32_t written;
};

// Line y of a page: bytes of no short period, with junk in a 1-bit line's
// padding bits that must not matter.
std::vector<std::uint8_t> Line(const CRasterTiffWriter::Page& page, std::uint32_t y)
{
    std::vector<std::uint8_t> line(CRasterTiffWriter::BytesPerLine(page));
    for (std::size_t x = 0; x < line.size(); ++x)
        line[x] = static_cast<std::uint8_t>((x * 7 + y * 13 + (x * y) % 5) & 0xff);
    return line;
}

// A 1-bit line's padding bits cleared.
std::vector<std::uint8_t> Meaningful(std::vector<std::uint8_t> line, const CRasterTiffWriter::Page& page)
{
    const std::uint32_t spare = page.pixels == Pixels::Black1 ? (8 - page.width % 8) % 8 : 0;
    if (!line.empty())
        line.back() &= static_cast<std::uint8_t>(0xff << spare);
    return line;
}

// A tag's value; 0 when the file has none.
template <class T>
T Field(const CTiffHandle& tiff, ttag_t tag)
{
    T value{};
    TIFFGetField(tiff.Get(), tag, &value);
    return value;
}

class RasterTiffWriter : public testing::TestWithParam<PageCase> {};

TEST_P(RasterTiffWriter, ReadsBackPixelForPixel)
{
    const PageCase& c = GetParam();
    const CRasterTiffWriter::Page page{c.pixels, c.width, c.height, 600, 300};
    CTempDir folder;
    const std::string path = folder.File("page.tif");
    CRasterTiffWriter writer;
    ASSERT_TRUE(writer.Open(path, page)) << writer.Error();
    for (std::uint32_t y = 0; y < c.written; ++y)
        ASSERT_TRUE(writer.WriteLine(Line(page, y).data())) << writer.Error();
    ASSERT_TRUE(writer.Close()) << writer.Error();

    CTiffHandle tiff;
    ASSERT_TRUE(tiff.Open(path)) << tiff.Error();
    EXPECT_EQ(Field<std::uint32_t>(tiff, TIFFTAG_IMAGEWIDTH), c.width);
    EXPECT_EQ(Field<std::uint32_t>(tiff, TIFFTAG_IMAGELENGTH), c.height);
    EXPECT_EQ(Field<float>(tiff, TIFFTAG_XRESOLUTION), 600.0f);
    EXPECT_EQ(Field<std::uint16_t>(tiff, TIFFTAG_COMPRESSION),
              c.pixels == Pixels::Black1 ? COMPRESSION_CCITTFAX4 : COMPRESSION_ADOBE_DEFLATE);
    EXPECT_EQ(Field<std::uint16_t>(tiff, TIFFTAG_PHOTOMETRIC), c.pixels == Pixels::Black1  ? PHOTOMETRIC_MINISWHITE
                                                               : c.pixels == Pixels::Grey8 ? PHOTOMETRIC_MINISBLACK
                                                                                           : PHOTOMETRIC_RGB);
    const std::uint8_t white = c.pixels == Pixels::Black1 ? 0x00 : 0xff;
    std::vector<std::uint8_t> read(CRasterTiffWriter::BytesPerLine(page));
    for (std::uint32_t y = 0; y < c.height; ++y) {
        ASSERT_EQ(TIFFReadScanline(tiff.Get(), read.data(), y, 0), 1) << "line " << y;
        const auto expected = y < c.written ? Line(page, y) : std::vector<std::uint8_t>(read.size(), white);
        ASSERT_EQ(Meaningful(read, page), Meaningful(expected, page)) << "line " << y;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Pages, RasterTiffWriter,
    testing::Values(PageCase{"Black", Pixels::Black1, 64, 40, 40}, PageCase{"BlackOddWidth", Pixels::Black1, 1001, 33, 33},
                    PageCase{"BlackOnePixel", Pixels::Black1, 1, 3, 3}, PageCase{"Grey", Pixels::Grey8, 300, 50, 50},
                    PageCase{"GreyOddWidth", Pixels::Grey8, 7, 9, 9}, PageCase{"Colour", Pixels::Rgb8, 257, 21, 21},
                    PageCase{"ColourOneColumn", Pixels::Rgb8, 1, 5, 5},
                    PageCase{"BlackCutShort", Pixels::Black1, 99, 20, 7},
                    PageCase{"ColourCutShort", Pixels::Rgb8, 13, 20, 0},
                    PageCase{"TallerThanAStrip", Pixels::Grey8, 4000, 300, 300}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(RasterTiffWriterRefuses, PagesWithoutPixelsAndExtraLines)
{
    CTempDir folder;
    CRasterTiffWriter writer;
    EXPECT_FALSE(writer.Open(folder.File("none.tif"), {Pixels::Grey8, 0, 10, 300, 300}));
    EXPECT_FALSE(writer.Error().empty());
    EXPECT_FALSE(CRasterTiffWriter().Open(folder.File("flat.tif"), {Pixels::Grey8, 10, 0, 300, 300}));
    EXPECT_FALSE(CRasterTiffWriter().Open(folder.File("wide.tif"), {Pixels::Rgb8, 4000000, 1, 300, 300}));

    CRasterTiffWriter one;
    ASSERT_TRUE(one.Open(folder.File("one.tif"), {Pixels::Grey8, 4, 1, 300, 300}));
    const std::uint8_t line[4] = {1, 2, 3, 4};
    EXPECT_TRUE(one.WriteLine(line));
    EXPECT_FALSE(one.WriteLine(line));
    EXPECT_FALSE(one.Close());
}
}

namespace {
// A bi-level job that arrives as grey is stored 1-bit: black where darker than half.
TEST(RasterTiffWriterFromGrey, StoresBlackWhereDarkerThanHalf)
{
    CTempDir folder;
    CRasterTiffWriter writer;
    const CRasterTiffWriter::Page page{Pixels::Black1, 11, 2, 300, 300, true};
    ASSERT_EQ(CRasterTiffWriter::InputBytesPerLine(page), 11u);
    ASSERT_TRUE(writer.Open(folder.File("grey.tif"), page)) << writer.Error();
    const std::uint8_t line[11] = {0, 255, 127, 128, 0, 0, 200, 1, 254, 0, 100};
    ASSERT_TRUE(writer.WriteLine(line));
    ASSERT_TRUE(writer.Close()) << writer.Error();

    CTiffHandle tiff;
    ASSERT_TRUE(tiff.Open(folder.File("grey.tif"))) << tiff.Error();
    std::uint8_t read[2] = {};
    ASSERT_EQ(TIFFReadScanline(tiff.Get(), read, 0, 0), 1);
    EXPECT_EQ(read[0], 0b10101101);
    EXPECT_EQ(read[1] & 0xe0, 0b01100000);
    ASSERT_EQ(TIFFReadScanline(tiff.Get(), read, 1, 0), 1);
    EXPECT_EQ(read[0], 0);
    EXPECT_EQ(read[1] & 0xe0, 0);
}
}
