#include "CPrinterAppServer.h"
#include "CPrinterSimulator.h"
#include "CTiffHandle.h"
#include "SimulatorOptions.h"
#include "TestConfig.h"

#include <cups/raster.h>
#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>

// What driverless clients send when a printer does not take their format:
// PWG raster, made here with libcups. Each page must reach the printer as a
// TIFF entry that decodes pixel for pixel to the page sent.
namespace {
struct RasterPage {
    const char* type;  // black_1, sgray_8, srgb_8
    const char* media;
    unsigned seed;
};

struct RasterCase {
    const char* name;
    std::vector<RasterPage> pages;
};

std::vector<unsigned char> Line(const cups_page_header2_t& header, unsigned y, unsigned seed)
{
    std::vector<unsigned char> line(header.cupsBytesPerLine);
    for (std::size_t x = 0; x < line.size(); ++x)
        line[x] = static_cast<unsigned char>((x * (seed + 3) + y * 11 + ((x / 97) ^ y) * seed) & 0xff);
    // What a 1-bit line has beyond its width is padding, which a TIFF need not keep.
    if (header.cupsBitsPerPixel == 1 && header.cupsWidth % 8)
        line.back() &= static_cast<unsigned char>(0xff << (8 - header.cupsWidth % 8));
    return line;
}

cups_page_header2_t Header(const RasterPage& page)
{
    cups_page_header2_t header;
    cupsRasterInitPWGHeader(&header, pwgMediaForPWG(page.media), page.type, 300, 300, "one-sided", nullptr);
    return header;
}

void WriteRaster(const std::string& path, const std::vector<RasterPage>& pages)
{
    const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    cups_raster_t* raster = cupsRasterOpen(fd, CUPS_RASTER_WRITE_PWG);
    for (const RasterPage& page : pages) {
        cups_page_header2_t header = Header(page);
        cupsRasterWriteHeader2(raster, &header);
        for (unsigned y = 0; y < header.cupsHeight; ++y) {
            auto line = Line(header, y, page.seed);
            cupsRasterWritePixels(raster, line.data(), header.cupsBytesPerLine);
        }
    }
    cupsRasterClose(raster);
    close(fd);
}

// The data of each TIFF entry of a job, in order.
std::vector<std::string> TiffEntries(const std::string& job)
{
    std::vector<std::string> entries;
    const std::string enter = "@PJL ENTER LANGUAGE = TIFF\n";
    for (auto at = job.find(enter); at != std::string::npos; at = job.find(enter, at + 1)) {
        const auto start = at + enter.size();
        entries.push_back(job.substr(start, job.find("\x1b%-12345X", start) - start));
    }
    return entries;
}

void ExpectPage(const std::string& tiffBytes, const RasterPage& page)
{
    const cups_page_header2_t header = Header(page);
    std::vector<std::uint8_t> buffer(tiffBytes.begin(), tiffBytes.end());
    CTiffHandle tiff;
    ASSERT_TRUE(tiff.OpenMemory(buffer, "r")) << tiff.Error();
    std::uint32_t width = 0, height = 0;
    TIFFGetField(tiff.Get(), TIFFTAG_IMAGEWIDTH, &width);
    TIFFGetField(tiff.Get(), TIFFTAG_IMAGELENGTH, &height);
    ASSERT_EQ(width, header.cupsWidth);
    ASSERT_EQ(height, header.cupsHeight);
    std::vector<unsigned char> read(header.cupsBytesPerLine);
    for (unsigned y = 0; y < height; ++y) {
        ASSERT_EQ(TIFFReadScanline(tiff.Get(), read.data(), y, 0), 1);
        ASSERT_EQ(read, Line(header, y, page.seed)) << "line " << y;
    }
}

class RasterJob : public testing::TestWithParam<RasterCase> {
protected:
    CTempDir m_files;
    CPrinterAppServer m_server;
};

TEST_P(RasterJob, EachPageArrivesAsATiffEntry)
{
    CPrinterSimulator printer(SimulatorOptions([](auto& o) { o.models = {"PlotraK1"}; }));
    ASSERT_TRUE(printer.IsRunning());
    ASSERT_TRUE(m_server.IsRunning());
    ASSERT_EQ(m_server.Run({"add", "-d", "plotter", "-v", "qxftp://" + printer.Address() + "/1", "-m", "qx-sendora"})
                  .exitCode,
              0);
    const std::string file = m_files.File("scan.pwg");
    WriteRaster(file, GetParam().pages);

    const auto sent = m_server.Ipp("plotter", "qx-print-job.test",
                                   {{"filename", file}, {"format", "image/pwg-raster"}, {"job_name", "scan.pdf"},
                                    {"copies", "1"}, {"setting", "sample"}, {"owner", "Ada"}});

    ASSERT_NE(sent.out.find("job-state (enum) = completed"), std::string::npos) << sent.out << m_server.ServerLog();
    const std::string remote = "plt01p/scan-1.tif.pjl";
    ASSERT_EQ(FilesBelow(printer.Root()), std::set<std::string>{remote});
    const std::string job = ReadFileBytes(printer.Root() + remote);
    const auto entries = TiffEntries(job);
    ASSERT_EQ(entries.size(), GetParam().pages.size());
    for (std::size_t i = 0; i < entries.size(); ++i) {
        EXPECT_NE(job.find("@PJL SET FILENAME = \"scan-" + std::to_string(i + 1) + ".tif\""), std::string::npos);
        ExpectPage(entries[i], GetParam().pages[i]);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Pages, RasterJob,
    testing::Values(RasterCase{"BlackTwoPages", {{"black_1", "iso_a4_210x297mm", 1}, {"black_1", "iso_a5_148x210mm", 2}}},
                    RasterCase{"Grey", {{"sgray_8", "iso_a7_74x105mm", 3}}},
                    RasterCase{"Colour", {{"srgb_8", "iso_a8_52x74mm", 4}}}),
    [](const auto& info) { return std::string(info.param.name); });
}
