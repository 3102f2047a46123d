#pragma once

#include "RasterBitmap.h"

#include <cstdint>
#include <vector>

// Averages the rows of a picture, given top to bottom, into a smaller
// bitmap: each bitmap pixel is the mean of the picture's pixels it covers.
class CRasterScaler {
public:
    CRasterScaler(std::uint32_t width, std::uint32_t height, int outWidth, int outHeight, int channels);

    // One row of 8-bit samples, channels of them a pixel (stride apart).
    void AddRow(const std::uint8_t* samples, int stride);
    // One row of 1-bit pixels, the first in the highest bit; a set bit is
    // black where oneIsBlack.
    void AddBits(const std::uint8_t* bits, bool oneIsBlack);
    // The bitmap, once every row has been added.
    RasterBitmap Take();

private:
    void RowDone();

    std::uint32_t m_width;
    std::uint32_t m_height;
    int m_channels;
    RasterBitmap m_bitmap;
    std::vector<std::uint32_t> m_column;   // bitmap column of each picture column
    std::vector<std::uint32_t> m_columns;  // picture columns in each bitmap column
    std::vector<std::uint64_t> m_sums;
    std::uint32_t m_row = 0;
    std::uint32_t m_rowsInBand = 0;
    int m_band = 0;
};
