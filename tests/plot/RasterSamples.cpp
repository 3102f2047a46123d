#include "RasterSamples.h"

#include "CTempDir.h"

#include <cstdio>
#include <vector>

namespace {
void WriteTags(TIFF* tiff, const TiffSample& s)
{
    TIFFSetField(tiff, TIFFTAG_IMAGEWIDTH, s.width);
    TIFFSetField(tiff, TIFFTAG_IMAGELENGTH, s.height);
    TIFFSetField(tiff, TIFFTAG_BITSPERSAMPLE, s.bits);
    TIFFSetField(tiff, TIFFTAG_SAMPLESPERPIXEL, s.samples);
    TIFFSetField(tiff, TIFFTAG_PHOTOMETRIC, s.photometric);
    TIFFSetField(tiff, TIFFTAG_COMPRESSION, s.compression);
    TIFFSetField(tiff, TIFFTAG_PLANARCONFIG, PLANARCONFIG_CONTIG);
    TIFFSetField(tiff, TIFFTAG_ORIENTATION, s.orientation);
    if (s.tiled) {
        TIFFSetField(tiff, TIFFTAG_TILEWIDTH, 16);
        TIFFSetField(tiff, TIFFTAG_TILELENGTH, 16);
    } else {
        TIFFSetField(tiff, TIFFTAG_ROWSPERSTRIP, s.height);
    }
    if (s.resolution > 0) {
        TIFFSetField(tiff, TIFFTAG_XRESOLUTION, s.resolution);
        TIFFSetField(tiff, TIFFTAG_YRESOLUTION, s.resolution);
        TIFFSetField(tiff, TIFFTAG_RESOLUTIONUNIT, s.unit);
    }
}

// Rows of packed samples, top first.
std::vector<std::uint8_t> Pixels(const TiffSample& s, const PixelFunction& pixel)
{
    const std::size_t rowBytes = (std::size_t{s.width} * s.samples * s.bits + 7) / 8;
    std::vector<std::uint8_t> data(rowBytes * s.height);
    for (std::uint32_t y = 0; y < s.height; ++y)
        for (std::uint32_t x = 0; x < s.width; ++x)
            for (int c = 0; c < s.samples; ++c) {
                const std::uint8_t value = pixel(x, y, c);
                if (s.bits == 8)
                    data[y * rowBytes + (std::size_t{x} * s.samples + c)] = value;
                else if (value)
                    data[y * rowBytes + x / 8] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
            }
    return data;
}

void WritePage(TIFF* tiff, const TiffSample& s, std::vector<std::uint8_t>& data)
{
    WriteTags(tiff, s);
    if (!s.tiled) {
        TIFFWriteEncodedStrip(tiff, 0, data.data(), static_cast<tmsize_t>(data.size()));
        return;
    }
    std::vector<std::uint8_t> tile(TIFFTileSize(tiff));
    const std::size_t rowBytes = std::size_t{s.width} * s.samples;
    for (std::uint32_t y = 0; y < s.height; y += 16)
        for (std::uint32_t x = 0; x < s.width; x += 16) {
            for (std::uint32_t r = 0; r < 16; ++r)
                for (std::uint32_t i = 0; i < 16 * s.samples; ++i)
                    tile[r * 16 * s.samples + i] = y + r < s.height && x + i / s.samples < s.width
                                                       ? data[(y + r) * rowBytes + x * s.samples + i]
                                                       : 0;
            TIFFWriteTile(tiff, tile.data(), x, y, 0, 0);
        }
}
}

void WriteTiff(const std::string& path, const TiffSample& sample, const PixelFunction& pixel)
{
    TIFF* tiff = TIFFOpen(path.c_str(), "w");
    std::vector<std::uint8_t> data = Pixels(sample, pixel);
    for (int page = 0; page < sample.pages; ++page) {
        WritePage(tiff, sample, data);
        TIFFWriteDirectory(tiff);
    }
    TIFFClose(tiff);
}

std::string CalsFile(const std::string& orientation, std::uint32_t width, std::uint32_t height, unsigned density,
                     const PixelFunction& pixel)
{
    CTempDir folder;
    const std::string path = folder.File("g4.tif");
    WriteTiff(path, {width, height}, pixel);
    TIFF* tiff = TIFFOpen(path.c_str(), "r");
    std::string g4(static_cast<std::size_t>(TIFFRawStripSize(tiff, 0)), '\0');
    TIFFReadRawStrip(tiff, 0, g4.data(), static_cast<tmsize_t>(g4.size()));
    TIFFClose(tiff);
    char counts[64], dpi[32];
    std::snprintf(counts, sizeof counts, "rpelcnt: %06u,%06u", width, height);
    std::snprintf(dpi, sizeof dpi, "rdensty: %04u", density);
    const std::string records[] = {"srcdocid: NONE", "dstdocid: NONE", "txtfilid: NONE", "figid: NONE",
                                   "srcgph: NONE", "doccls: NONE", "rtype: 1", "rorient: " + orientation,
                                   counts, dpi, "notes: NONE"};
    std::string header;
    for (const std::string& record : records)
        header += record + std::string(128 - record.size(), ' ');
    return header + std::string(2048 - header.size(), ' ') + g4;
}
