#include "CRasterTiffWriter.h"

#include <algorithm>
#include <vector>

namespace {
// Wider than any roll at 2400 dpi: a header that claims more is damaged.
constexpr std::uint32_t kMaxWidth = 200000;
}

std::uint64_t CRasterTiffWriter::BytesPerLine(const Page& page)
{
    switch (page.pixels) {
    case Pixels::Black1:
        return (std::uint64_t{page.width} + 7) / 8;
    case Pixels::Grey8:
        return page.width;
    case Pixels::Rgb8:
        break;
    }
    return std::uint64_t{page.width} * 3;
}

std::uint64_t CRasterTiffWriter::InputBytesPerLine(const Page& page)
{
    return page.fromGrey && page.pixels == Pixels::Black1 ? page.width : BytesPerLine(page);
}

bool CRasterTiffWriter::Open(const std::string& path, const Page& page)
{
    m_page = page;
    m_row = 0;
    if (page.width == 0 || page.height == 0 || page.width > kMaxWidth || page.xDpi == 0 || page.yDpi == 0)
        return Fail("a raster page of " + std::to_string(page.width) + " x " + std::to_string(page.height) +
                    " pixels cannot be written");
    m_line.resize(BytesPerLine(page));
    if (!m_tiff.Create(path))
        return Fail(m_tiff.Error());
    return SetFields() || Fail(m_tiff.Error());
}

bool CRasterTiffWriter::SetFields()
{
    TIFF* tiff = m_tiff.Get();
    const bool black = m_page.pixels == Pixels::Black1;
    const bool rgb = m_page.pixels == Pixels::Rgb8;
    const std::uint16_t photometric =
        black ? PHOTOMETRIC_MINISWHITE : (rgb ? PHOTOMETRIC_RGB : PHOTOMETRIC_MINISBLACK);
    return TIFFSetField(tiff, TIFFTAG_IMAGEWIDTH, m_page.width) &&
           TIFFSetField(tiff, TIFFTAG_IMAGELENGTH, m_page.height) &&
           TIFFSetField(tiff, TIFFTAG_BITSPERSAMPLE, black ? 1 : 8) &&
           TIFFSetField(tiff, TIFFTAG_SAMPLESPERPIXEL, rgb ? 3 : 1) &&
           TIFFSetField(tiff, TIFFTAG_PLANARCONFIG, PLANARCONFIG_CONTIG) &&
           TIFFSetField(tiff, TIFFTAG_PHOTOMETRIC, photometric) &&
           TIFFSetField(tiff, TIFFTAG_COMPRESSION, black ? COMPRESSION_CCITTFAX4 : COMPRESSION_ADOBE_DEFLATE) &&
           TIFFSetField(tiff, TIFFTAG_FILLORDER, FILLORDER_MSB2LSB) &&
           TIFFSetField(tiff, TIFFTAG_RESOLUTIONUNIT, RESUNIT_INCH) &&
           TIFFSetField(tiff, TIFFTAG_XRESOLUTION, static_cast<float>(m_page.xDpi)) &&
           TIFFSetField(tiff, TIFFTAG_YRESOLUTION, static_cast<float>(m_page.yDpi)) &&
           TIFFSetField(tiff, TIFFTAG_ROWSPERSTRIP, TIFFDefaultStripSize(tiff, 0));
}

bool CRasterTiffWriter::WriteLine(const std::uint8_t* line)
{
    if (!m_tiff.Get())
        return false;
    if (m_row >= m_page.height)
        return Fail("more lines than the page has");
    // libtiff may encode in place, so it gets a copy of the caller's line.
    if (m_page.fromGrey && m_page.pixels == Pixels::Black1)
        Threshold(line);
    else
        std::copy_n(line, m_line.size(), m_line.begin());
    if (TIFFWriteScanline(m_tiff.Get(), m_line.data(), m_row, 0) < 0)
        return Fail(m_tiff.Error());
    ++m_row;
    return true;
}

void CRasterTiffWriter::Threshold(const std::uint8_t* grey)
{
    std::fill(m_line.begin(), m_line.end(), 0);
    for (std::uint32_t x = 0; x < m_page.width; ++x)
        if (grey[x] < 128)
            m_line[x / 8] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
}

bool CRasterTiffWriter::Close()
{
    if (!m_tiff.Get())
        return false;
    const std::uint8_t white = m_page.pixels == Pixels::Black1 ? 0x00 : 0xff;
    const std::vector<std::uint8_t> blank(InputBytesPerLine(m_page), m_page.fromGrey ? 0xff : white);
    while (m_row < m_page.height && m_error.empty())
        WriteLine(blank.data());
    const bool written = m_error.empty() && TIFFFlush(m_tiff.Get()) == 1;
    m_tiff.Close();
    return written && (m_tiff.Error().empty() || Fail(m_tiff.Error()));
}

bool CRasterTiffWriter::Fail(const std::string& text)
{
    if (m_error.empty())
        m_error = text;
    m_tiff.Close();
    return false;
}
