#include "CPlotSizeReader.h"
#include "CTempDir.h"
#include "CaseNames.h"
#include "RasterSamples.h"

#include <gtest/gtest.h>

namespace {
std::uint8_t Blank(std::uint32_t, std::uint32_t, int)
{
    return 0;
}

std::string PostScript(const std::string& head, const std::string& trailer = "")
{
    return "%!PS-Adobe-3.0\n" + head + "%%EndComments\n" + std::string(70000, ' ') + "\nshowpage\n%%Trailer\n" + trailer +
           "%%EOF\n";
}

struct ReaderCase {
    const char* name;
    const char* format;
    std::function<void(const std::string& path)> write;
    const char* size;
    const char* failure;
};

void Text(const std::string& path, const std::string& bytes)
{
    WriteFileBytes(path, bytes);
}

const ReaderCase kCases[] = {
    {"HpglPages", "HPGL", [](auto& p) { Text(p, "IN;PS33640,47560;PD1,1;PG;PD9,9;AF;PS8000,8000;PD1,1;PG;"); },
     "841 x 1189 mm (A0), 3 pages", ""},
    // 4 000 000 plotter units are 100 m.
    {"HpglHundredMetres", "HPGL", [](auto& p) { Text(p, "IN;PD4000000,40;"); }, "100000 x 1 mm", ""},
    {"HpglOverAHundredMetres", "HPGL", [](auto& p) { Text(p, "IN;PD4000041,40;"); }, "-", "drawing size over 100 m"},
    {"HpglFiftyKilometres", "HPGL", [](auto& p) { Text(p, "IN;PD2000000000,2000000000;"); }, "-",
     "drawing size over 100 m"},
    {"TiffOverAHundredMetres", "TIFF",
     [](auto& p) { WriteTiff(p, {.width = 40000, .height = 10, .resolution = 10}, Blank); }, "-",
     "drawing size over 100 m"},
    {"HpglNothingDrawn", "HP-GL/2", [](auto& p) { Text(p, "IN;SP1;"); }, "-", ""},
    {"HpglDamaged", "HPGL", [](auto& p) { Text(p, "\x89PNG\r\n\x1a\n"); }, "-", "damaged HP-GL file: no HP-GL commands"},
    {"TiffA4", "TIFF", [](auto& p) { WriteTiff(p, {.width = 2480, .height = 3508}, Blank); }, "210 x 297 mm (A4)", ""},
    {"TiffCentimetres", "TIFF",
     [](auto& p) { WriteTiff(p, {.width = 2378, .height = 1682, .resolution = 10, .unit = RESUNIT_CENTIMETER}, Blank); },
     "2378 x 1682 mm (4A0)", ""},
    {"TiffPages", "tiff", [](auto& p) { WriteTiff(p, {.width = 850, .height = 1100, .resolution = 100, .pages = 3}, Blank); },
     "216 x 279 mm (ANSI A), 3 pages", ""},
    {"TiffNoResolution", "TIFF", [](auto& p) { WriteTiff(p, {.width = 64, .height = 32, .resolution = 0}, Blank); }, "-",
     "no resolution in the TIFF file (64 x 32 pixels)"},
    {"TiffDamaged", "TIFF", [](auto& p) { Text(p, "II*\0garbage"); }, "-", "damaged TIFF file: "},
    {"Cals", "CALS", [](auto& p) { Text(p, CalsFile("000,270", 2550, 3300, 300, Blank)); }, "216 x 279 mm (ANSI A)", ""},
    {"CalsTurned", "CALS", [](auto& p) { Text(p, CalsFile("090,000", 3300, 2550, 300, Blank)); },
     "216 x 279 mm (ANSI A)", ""},
    {"CalsWrongType", "CALS", [](auto& p) { Text(p, "rtype: 2" + std::string(2040, ' ')); }, "-",
     "damaged CALS file: raster type \"2\", not 1"},
    {"CalsShort", "CALS", [](auto& p) { Text(p, "rpelcnt: 10,10"); }, "-",
     "damaged CALS file: shorter than its 2048-byte header"},
    {"PostScript", "POSTSCRIPT", [](auto& p) { Text(p, PostScript("%%BoundingBox: 0 0 595 842\n")); },
     "210 x 297 mm (A4)", ""},
    {"PostScriptHiRes", "PS",
     [](auto& p) { Text(p, PostScript("%%BoundingBox: 0 0 596 843\n%%HiResBoundingBox: 10 10 2394.4 1694.8\n")); },
     "841 x 594 mm (A1)", ""},
    {"PostScriptAtEnd", "POSTSCRIPT",
     [](auto& p) { Text(p, PostScript("%%BoundingBox: (atend)\n%%Pages: (atend)\n", "%%BoundingBox: 0 0 1684 2384\n%%Pages: 2\n")); },
     "594 x 841 mm (A1), 2 pages", ""},
    {"PostScriptNoBox", "POSTSCRIPT", [](auto& p) { Text(p, PostScript("")); }, "-",
     "no %%BoundingBox comment in the PostScript file"},
    {"Cgm", "CGM", [](auto& p) { Text(p, "BEGMF"); }, "-", ""},
    {"Mgl", "MGL(0.025 mm/unit)", [](auto& p) { Text(p, ""); }, "-", ""},
    {"MvNative", "MVNATIVE", [](auto& p) { Text(p, ""); }, "-", ""},
    {"PdfWithoutReader", "PDF", [](auto& p) { Text(p, "%PDF-1.4"); }, "-", "no reader for PDF"},
    {"Unknown", "(unknown format)", [](auto& p) { Text(p, ""); }, "-", "no reader for this data format"},
};

class PlotSizeReaderTest : public testing::TestWithParam<ReaderCase> {};

TEST_P(PlotSizeReaderTest, ReadsTheSizeOrSaysWhyNot)
{
    CTempDir folder;
    const std::string path = folder.File("plot");
    GetParam().write(path);
    const PlotSizeResult result = CPlotSizeReader().Read(path, GetParam().format);
    EXPECT_EQ(result.size.FormatAscii(), GetParam().size);
    EXPECT_EQ(result.failure.substr(0, std::string(GetParam().failure).size()), GetParam().failure);
    EXPECT_EQ(result.failure.empty(), std::string(GetParam().failure).empty());
}

INSTANTIATE_TEST_SUITE_P(Formats, PlotSizeReaderTest, testing::ValuesIn(kCases), ByCaseName());
}
