#pragma once

#include "CRasterTiffWriter.h"

#include <cups/raster.h>

#include <optional>
#include <string>

// A raster page header of a client's PWG or Apple raster stream, as the
// page the TIFF writer takes: 1-bit black, 8-bit grey or 24-bit colour.
class CRasterHeader {
public:
    // Nothing for any other kind of raster or a page without pixels; the
    // reason in error.
    static std::optional<CRasterTiffWriter::Page> PageOf(const cups_page_header2_t& header, std::string& error);
};
