#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include <tiffio.h>

// TIFF and CALS files written by libtiff for the tests: every sample of
// pixel (x, y) is pixel(x, y, sample); for 1 bit, non-zero sets the bit.
using PixelFunction = std::function<std::uint8_t(std::uint32_t x, std::uint32_t y, int sample)>;

struct TiffSample {
    std::uint32_t width = 64;
    std::uint32_t height = 32;
    std::uint16_t bits = 1;
    std::uint16_t samples = 1;
    std::uint16_t photometric = PHOTOMETRIC_MINISWHITE;
    std::uint16_t compression = COMPRESSION_CCITTFAX4;
    float resolution = 300;  // 0: none stated
    std::uint16_t unit = RESUNIT_INCH;
    bool tiled = false;
    int pages = 1;
    std::uint16_t orientation = ORIENTATION_TOPLEFT;
};

void WriteTiff(const std::string& path, const TiffSample& sample, const PixelFunction& pixel);
// A CALS type 1 file of a 1-bit picture: the header's records, then the
// picture's Group 4 data.
std::string CalsFile(const std::string& orientation, std::uint32_t width, std::uint32_t height, unsigned density,
                     const PixelFunction& pixel);
