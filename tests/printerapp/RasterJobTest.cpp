#include "CPrinterAppServer.h"
#include "CPrinterSimulator.h"
#include "CTiffHandle.h"
#include "SimulatorOptions.h"
#include "TestConfig.h"

#include <QColor>
#include <QImage>
#include <cups/raster.h>
#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>

// What driverless clients send when a printer does not take their format:
// PWG raster, made here with libcups. Each page must reach the printer as a
// TIFF entry that decodes pixel for pixel to the page sent.
namespace {
// PAPPL 1.3.1 passes a client's 1-bit raster on packed under an 8-bit grey
// header, so the queues do not offer black_1 and clients send bi-level
// pages as grey that is black or white only.
struct RasterPage {
    const char* type;       // sgray_8, srgb_8
    const char* colorMode;  // the print-color-mode that asks for this type
    const char* media;
    unsigned seed;
};

struct RasterCase {
    const char* name;
    std::vector<RasterPage> pages;
};

bool BiLevel(const RasterPage& page)
{
    return std::string(page.colorMode) == "bi-level";
}

// A bi-level page's grey is black or white only.
std::vector<unsigned char> Line(const cups_page_header2_t& header, unsigned y, const RasterPage& page)
{
    std::vector<unsigned char> line(header.cupsBytesPerLine);
    for (std::size_t x = 0; x < line.size(); ++x) {
        const auto value = static_cast<unsigned char>((x * (page.seed + 3) + y * 11 + ((x / 97) ^ y) * page.seed) & 0xff);
        line[x] = BiLevel(page) ? (value & 8 ? 0 : 255) : value;
    }
    return line;
}

// What the printer must get of a line: a bi-level one 1 bit a pixel, black set.
std::vector<unsigned char> Expected(const cups_page_header2_t& header, unsigned y, const RasterPage& page)
{
    const auto line = Line(header, y, page);
    if (!BiLevel(page))
        return line;
    std::vector<unsigned char> bits((header.cupsWidth + 7) / 8);
    for (std::size_t x = 0; x < header.cupsWidth; ++x)
        if (line[x] == 0)
            bits[x / 8] |= static_cast<unsigned char>(0x80 >> (x % 8));
    return bits;
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
            auto line = Line(header, y, page);
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
    std::vector<unsigned char> read(Expected(header, 0, page).size());
    ASSERT_EQ(static_cast<std::size_t>(TIFFScanlineSize64(tiff.Get())), read.size());
    std::uint16_t compression = 0;
    TIFFGetField(tiff.Get(), TIFFTAG_COMPRESSION, &compression);
    EXPECT_EQ(compression, BiLevel(page) ? COMPRESSION_CCITTFAX4 : COMPRESSION_ADOBE_DEFLATE);
    for (unsigned y = 0; y < height; ++y) {
        ASSERT_EQ(TIFFReadScanline(tiff.Get(), read.data(), y, 0), 1);
        ASSERT_EQ(read, Expected(header, y, page)) << "line " << y;
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

    const RasterPage& first = GetParam().pages.front();
    const auto sent = m_server.Ipp("plotter", "qx-print-raster.test",
                                   {{"filename", file}, {"format", "image/pwg-raster"}, {"job_name", "scan.pdf"},
                                    {"media", first.media}, {"color_mode", first.colorMode}, {"setting", "sample"},
                                    {"owner", "Ada"}});

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

// JPEG and PNG reach the printer through PAPPL's own filters, as raster of
// the job's media with the picture fitted on it.
struct PictureCase {
    const char* name;
    const char* format;
    const char* fileName;
    int tolerance;  // of a pixel's colour: JPEG is lossy
};

class PictureJob : public testing::TestWithParam<PictureCase> {
protected:
    CTempDir m_files;
    CPrinterAppServer m_server;
};

TEST_P(PictureJob, ArrivesAsOneTiffPageOfTheMedia)
{
    const PictureCase& c = GetParam();
    CPrinterSimulator printer(SimulatorOptions([](auto& o) { o.models = {"PlotraK1"}; }));
    ASSERT_EQ(m_server.Run({"add", "-d", "plotter", "-v", "qxftp://" + printer.Address() + "/1", "-m", "qx-sendora"})
                  .exitCode,
              0);
    QImage picture(300, 200, QImage::Format_RGB888);
    picture.fill(QColor(200, 40, 40));
    const std::string file = m_files.File(c.fileName);
    ASSERT_TRUE(picture.save(QString::fromStdString(file)));

    const auto sent = m_server.Ipp("plotter", "qx-print-raster.test",
                                   {{"filename", file}, {"format", c.format}, {"job_name", c.fileName},
                                    {"media", "iso_a4_210x297mm"}, {"color_mode", "color"}, {"setting", "sample"},
                                    {"owner", "Ada"}});

    ASSERT_NE(sent.out.find("job-state (enum) = completed"), std::string::npos) << sent.out << m_server.ServerLog();
    const auto files = FilesBelow(printer.Root());
    ASSERT_EQ(files.size(), 1u);
    const auto entries = TiffEntries(ReadFileBytes(printer.Root() + *files.begin()));
    ASSERT_EQ(entries.size(), 1u);
    std::vector<std::uint8_t> buffer(entries[0].begin(), entries[0].end());
    CTiffHandle tiff;
    ASSERT_TRUE(tiff.OpenMemory(buffer, "r")) << tiff.Error();
    const cups_page_header2_t header = Header({"srgb_8", "color", "iso_a4_210x297mm", 0});
    std::uint32_t width = 0, height = 0;
    TIFFGetField(tiff.Get(), TIFFTAG_IMAGEWIDTH, &width);
    TIFFGetField(tiff.Get(), TIFFTAG_IMAGELENGTH, &height);
    EXPECT_EQ(width, header.cupsWidth);
    EXPECT_EQ(height, header.cupsHeight);
    // The middle of the page is the middle of the picture.
    std::vector<unsigned char> line(static_cast<std::size_t>(TIFFScanlineSize64(tiff.Get())));
    ASSERT_EQ(TIFFReadScanline(tiff.Get(), line.data(), height / 2, 0), 1);
    const std::size_t middle = width / 2 * 3;
    ASSERT_EQ(line.size(), std::size_t{width} * 3);
    EXPECT_NEAR(line[middle], 200, c.tolerance);
    EXPECT_NEAR(line[middle + 1], 40, c.tolerance);
    EXPECT_NEAR(line[middle + 2], 40, c.tolerance);
}

INSTANTIATE_TEST_SUITE_P(Pictures, PictureJob,
                         testing::Values(PictureCase{"Jpeg", "image/jpeg", "photo.jpg", 12},
                                         PictureCase{"Png", "image/png", "sketch.png", 0}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(RasterTypes, QueuesOfferNoRasterThatPapplWouldPassOnUnconverted)
{
    CPrinterAppServer server;
    ASSERT_TRUE(server.IsRunning());
    ASSERT_EQ(server.Run({"add", "-d", "plotter", "-v", "qxftp://127.0.0.1:1/1", "-m", "qx-sendora"}).exitCode, 0);
    const auto attributes = server.Ipp("plotter", "qx-printer.test");
    EXPECT_NE(attributes.out.find("pwg-raster-document-type-supported (1setOf keyword) = sgray_8,srgb_8\n"),
              std::string::npos)
        << attributes.out;
}

INSTANTIATE_TEST_SUITE_P(
    Pages, RasterJob,
    testing::Values(RasterCase{"BiLevelTwoPages",
                               {{"sgray_8", "bi-level", "iso_a4_210x297mm", 1}, {"sgray_8", "bi-level", "iso_a4_210x297mm", 2}}},
                    RasterCase{"Grey", {{"sgray_8", "monochrome", "iso_a4_210x297mm", 3}}},
                    RasterCase{"Colour", {{"srgb_8", "color", "iso_a4_210x297mm", 4}}}),
    [](const auto& info) { return std::string(info.param.name); });
}
