#include "CRasterHeader.h"

namespace {
std::optional<CRasterTiffWriter::Pixels> PixelsOf(const cups_page_header2_t& header)
{
    const auto space = header.cupsColorSpace;
    if (header.cupsBitsPerPixel == 1 && header.cupsBitsPerColor == 1 && space == CUPS_CSPACE_K)
        return CRasterTiffWriter::Pixels::Black1;
    if (header.cupsBitsPerPixel == 8 && header.cupsBitsPerColor == 8 && (space == CUPS_CSPACE_SW || space == CUPS_CSPACE_W))
        return CRasterTiffWriter::Pixels::Grey8;
    if (header.cupsBitsPerPixel == 24 && header.cupsBitsPerColor == 8 &&
        (space == CUPS_CSPACE_SRGB || space == CUPS_CSPACE_RGB))
        return CRasterTiffWriter::Pixels::Rgb8;
    return std::nullopt;
}
}

std::optional<CRasterTiffWriter::Page> CRasterHeader::PageOf(const cups_page_header2_t& header, bool biLevel,
                                                              std::string& error)
{
    const auto pixels = PixelsOf(header);
    if (!pixels) {
        error = "raster of " + std::to_string(header.cupsBitsPerPixel) + " bits a pixel in colour space " +
                std::to_string(header.cupsColorSpace) + " is not taken";
        return std::nullopt;
    }
    CRasterTiffWriter::Page page{*pixels, header.cupsWidth, header.cupsHeight, header.HWResolution[0],
                                 header.HWResolution[1]};
    if (biLevel && page.pixels == CRasterTiffWriter::Pixels::Grey8) {
        page.pixels = CRasterTiffWriter::Pixels::Black1;
        page.fromGrey = true;
    }
    if (header.cupsBytesPerLine != CRasterTiffWriter::InputBytesPerLine(page)) {
        error = "raster lines of " + std::to_string(header.cupsBytesPerLine) + " bytes for " +
                std::to_string(header.cupsWidth) + " pixels";
        return std::nullopt;
    }
    return page;
}
