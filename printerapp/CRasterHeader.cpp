#include "CRasterHeader.h"

#include <cstring>

namespace {
// A client's header may hold any number there, which the enum type cannot:
// read its bits, not the enum.
unsigned ColorSpaceOf(const cups_page_header2_t& header)
{
    unsigned space = 0;
    static_assert(sizeof space == sizeof header.cupsColorSpace);
    std::memcpy(&space, &header.cupsColorSpace, sizeof space);
    return space;
}

bool IsSpace(unsigned space, cups_cspace_t known)
{
    return space == static_cast<unsigned>(known);
}

std::optional<CRasterTiffWriter::Pixels> PixelsOf(const cups_page_header2_t& header)
{
    const unsigned space = ColorSpaceOf(header);
    if (header.cupsBitsPerPixel == 1 && header.cupsBitsPerColor == 1 && IsSpace(space, CUPS_CSPACE_K))
        return CRasterTiffWriter::Pixels::Black1;
    if (header.cupsBitsPerPixel == 8 && header.cupsBitsPerColor == 8 && (IsSpace(space, CUPS_CSPACE_SW) || IsSpace(space, CUPS_CSPACE_W)))
        return CRasterTiffWriter::Pixels::Grey8;
    if (header.cupsBitsPerPixel == 24 && header.cupsBitsPerColor == 8 &&
        (IsSpace(space, CUPS_CSPACE_SRGB) || IsSpace(space, CUPS_CSPACE_RGB)))
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
                std::to_string(ColorSpaceOf(header)) + " is not taken";
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
