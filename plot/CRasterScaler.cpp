#include "CRasterScaler.h"

#include <algorithm>
#include <bit>

CRasterScaler::CRasterScaler(std::uint32_t width, std::uint32_t height, int outWidth, int outHeight, int channels)
    : m_width(width)
    , m_height(height)
    , m_channels(channels)
    , m_column(width)
    , m_columns(static_cast<std::size_t>(outWidth))
    , m_sums(static_cast<std::size_t>(outWidth) * static_cast<std::size_t>(channels))
{
    m_bitmap.width = outWidth;
    m_bitmap.height = outHeight;
    m_bitmap.channels = channels;
    m_bitmap.pixels.assign(static_cast<std::size_t>(outWidth) * outHeight * channels, 255);
    for (std::uint32_t x = 0; x < width; ++x) {
        m_column[x] = static_cast<std::uint32_t>(std::uint64_t{x} * outWidth / width);
        ++m_columns[m_column[x]];
    }
}

void CRasterScaler::AddRow(const std::uint8_t* samples, int stride)
{
    for (std::uint32_t x = 0; x < m_width; ++x, samples += stride) {
        std::uint64_t* sum = &m_sums[static_cast<std::size_t>(m_column[x]) * m_channels];
        for (int c = 0; c < m_channels; ++c)
            sum[c] += samples[c];
    }
    RowDone();
}

void CRasterScaler::AddBits(const std::uint8_t* bits, bool oneIsBlack)
{
    const std::uint32_t set = oneIsBlack ? 0 : 255;
    const std::uint32_t clear = 255 - set;
    for (std::uint32_t x = 0; x < m_width; x += 8) {
        const std::uint8_t byte = bits[x / 8];
        const std::uint32_t end = std::min(m_width, x + 8);
        // Most bytes fall in one bitmap column: counting their bits will do.
        if (end == x + 8 && m_column[x] == m_column[end - 1]) {
            const auto ones = static_cast<std::uint32_t>(std::popcount(byte));
            m_sums[m_column[x]] += ones * set + (8 - ones) * clear;
            continue;
        }
        for (std::uint32_t i = x; i < end; ++i)
            m_sums[m_column[i]] += (byte & (0x80 >> (i - x))) ? set : clear;
    }
    RowDone();
}

void CRasterScaler::RowDone()
{
    ++m_rowsInBand;
    ++m_row;
    if (m_band >= m_bitmap.height)
        return;
    const auto nextBand = static_cast<int>(std::uint64_t{m_row} * m_bitmap.height / m_height);
    if (nextBand == m_band && m_row < m_height)
        return;
    std::uint8_t* out = &m_bitmap.pixels[static_cast<std::size_t>(m_band) * m_bitmap.BytesPerLine()];
    for (std::size_t i = 0; i < m_sums.size(); ++i) {
        const std::uint64_t count = std::uint64_t{m_columns[i / m_channels]} * m_rowsInBand;
        out[i] = static_cast<std::uint8_t>(count ? (m_sums[i] + count / 2) / count : 255);
    }
    std::fill(m_sums.begin(), m_sums.end(), 0);
    m_rowsInBand = 0;
    m_band = nextBand;
}

RasterBitmap CRasterScaler::Take()
{
    m_bitmap.sourceWidth = m_width;
    m_bitmap.sourceHeight = m_height;
    return std::move(m_bitmap);
}
