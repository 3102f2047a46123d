#include "CPrinterAppServer.h"
#include "CPrinterSimulator.h"
#include "CTiffHandle.h"
#include "SimulatorOptions.h"

#include <QColor>
#include <QImage>
#include <cups/raster.h>
#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>

#include <filesystem>
#include <tuple>

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

struct DecodedTiff {
    std::uint32_t width = 0;
    std::uint32_t height = 0;
    std::uint16_t compression = 0;
    std::vector<std::vector<unsigned char>> lines;  // as many as could be read
};

DecodedTiff Decode(const std::string& tiffBytes)
{
    std::vector<std::uint8_t> buffer(tiffBytes.begin(), tiffBytes.end());
    CTiffHandle tiff;
    DecodedTiff decoded;
    if (!tiff.OpenMemory(buffer, "r"))
        return decoded;
    TIFFGetField(tiff.Get(), TIFFTAG_IMAGEWIDTH, &decoded.width);
    TIFFGetField(tiff.Get(), TIFFTAG_IMAGELENGTH, &decoded.height);
    TIFFGetField(tiff.Get(), TIFFTAG_COMPRESSION, &decoded.compression);
    std::vector<unsigned char> line(static_cast<std::size_t>(TIFFScanlineSize64(tiff.Get())));
    for (std::uint32_t y = 0; y < decoded.height && TIFFReadScanline(tiff.Get(), line.data(), y, 0) == 1; ++y)
        decoded.lines.push_back(line);
    return decoded;
}

// A queue of the raster-taking driver for printer 1 of the simulator; each
// job is taken off the printer once looked at.
class RasterQueue : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_printer.IsRunning());
        ASSERT_TRUE(m_server.IsRunning()) << m_server.ServerLog();
        ASSERT_EQ(m_server.AddQueue("plotter", m_printer.Address(), 1, "qx-sendora").exitCode, 0);
    }

    // The printer's one file of the job, and its bytes.
    std::pair<std::string, std::string> Print(const std::string& file, const char* format, const char* jobName,
                                              const char* media, const char* colorMode) const
    {
        const auto sent = m_server.Ipp("plotter", "qx-print-raster.test",
                                       {{"filename", file}, {"format", format}, {"job_name", jobName},
                                        {"media", media}, {"color_mode", colorMode}, {"setting", "sample"},
                                        {"owner", "Ada"}});
        EXPECT_NE(sent.out.find("job-state (enum) = completed"), std::string::npos) << sent.out << m_server.ServerLog();
        const auto files = FilesBelow(m_printer.Root());
        if (files.size() != 1)
            return {"files: " + std::to_string(files.size()), {}};
        const std::string job = ReadFileBytes(m_printer.Root() + *files.begin());
        std::filesystem::remove(m_printer.Root() + *files.begin());
        return {*files.begin(), job};
    }

    CTempDir m_files;
    CPrinterSimulator m_printer{SimulatorOptions([](auto& o) { o.models = {"PlotraK1"}; })};
    CPrinterAppServer m_server;
};

TEST_F(RasterQueue, EachPageArrivesAsATiffEntry)
{
    const RasterCase cases[] = {
        {"BiLevelTwoPages", {{"sgray_8", "bi-level", "iso_a4_210x297mm", 1}, {"sgray_8", "bi-level", "iso_a4_210x297mm", 2}}},
        {"Grey", {{"sgray_8", "monochrome", "iso_a4_210x297mm", 3}}},
        {"Colour", {{"srgb_8", "color", "iso_a4_210x297mm", 4}}}};
    for (const RasterCase& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string file = m_files.File("scan.pwg");
        WriteRaster(file, c.pages);

        const auto [remote, job] = Print(file, "image/pwg-raster", "scan.pdf", c.pages[0].media, c.pages[0].colorMode);

        EXPECT_EQ(remote, "plt01p/scan-1.tif.pjl");
        const auto entries = TiffEntries(job);
        ASSERT_EQ(entries.size(), c.pages.size());
        for (std::size_t i = 0; i < entries.size(); ++i) {
            EXPECT_NE(job.find("@PJL SET FILENAME = \"scan-" + std::to_string(i + 1) + ".tif\""), std::string::npos);
            const cups_page_header2_t header = Header(c.pages[i]);
            const DecodedTiff decoded = Decode(entries[i]);
            ASSERT_EQ(decoded.width, header.cupsWidth);
            ASSERT_EQ(decoded.height, header.cupsHeight);
            ASSERT_EQ(decoded.lines.size(), decoded.height);
            EXPECT_EQ(decoded.compression, BiLevel(c.pages[i]) ? COMPRESSION_CCITTFAX4 : COMPRESSION_ADOBE_DEFLATE);
            for (unsigned y = 0; y < decoded.height; ++y)
                ASSERT_EQ(decoded.lines[y], Expected(header, y, c.pages[i])) << "page " << i << ", line " << y;
        }
    }
}

// JPEG and PNG reach the printer through PAPPL's own filters, as raster of
// the job's media with the picture fitted on it: the middle of the page is
// the middle of the picture (JPEG is lossy).
TEST_F(RasterQueue, PicturesArriveAsOneTiffPageOfTheMedia)
{
    QImage picture(300, 200, QImage::Format_RGB888);
    picture.fill(QColor(200, 40, 40));
    const cups_page_header2_t header = Header({"srgb_8", "color", "iso_a4_210x297mm", 0});
    for (const auto& [format, fileName, tolerance] :
         {std::tuple{"image/jpeg", "photo.jpg", 12}, std::tuple{"image/png", "sketch.png", 0}}) {
        SCOPED_TRACE(fileName);
        const std::string file = m_files.File(fileName);
        ASSERT_TRUE(picture.save(QString::fromStdString(file)));

        const auto entries = TiffEntries(Print(file, format, fileName, "iso_a4_210x297mm", "color").second);

        ASSERT_EQ(entries.size(), 1u);
        const DecodedTiff decoded = Decode(entries[0]);
        EXPECT_EQ(decoded.width, header.cupsWidth);
        EXPECT_EQ(decoded.height, header.cupsHeight);
        ASSERT_EQ(decoded.lines.size(), decoded.height);
        const auto& line = decoded.lines[decoded.height / 2];
        ASSERT_EQ(line.size(), std::size_t{decoded.width} * 3);
        const std::size_t middle = decoded.width / 2 * 3;
        EXPECT_NEAR(line[middle], 200, tolerance);
        EXPECT_NEAR(line[middle + 1], 40, tolerance);
        EXPECT_NEAR(line[middle + 2], 40, tolerance);
    }
}

TEST_F(RasterQueue, QueuesOfferNoRasterThatPapplWouldPassOnUnconverted)
{
    const auto attributes = m_server.Ipp("plotter", "qx-printer.test");
    EXPECT_NE(attributes.out.find("pwg-raster-document-type-supported (1setOf keyword) = sgray_8,srgb_8\n"),
              std::string::npos)
        << attributes.out;
}
}
