#pragma once

#include <cstdint>
#include <string>
#include <vector>

// A decoded, downsampled picture: rows of 8-bit grey (channels 1) or RGB
// (channels 3) bytes, top row first, each row width * channels bytes.
struct RasterBitmap {
    int width = 0;
    int height = 0;
    int channels = 1;
    std::vector<std::uint8_t> pixels;
    // The full picture's size in pixels and its resolution (0 unknown).
    std::uint32_t sourceWidth = 0;
    std::uint32_t sourceHeight = 0;
    double dotsPerInch = 0;

    int BytesPerLine() const { return width * channels; }
};

struct RasterResult {
    RasterBitmap bitmap;
    std::string error;
    bool Ok() const { return error.empty(); }
};
