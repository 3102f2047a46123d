#pragma once

#include "CRasterTiffWriter.h"

#include <cups/raster.h>

#include <optional>
#include <string>

// A raster page header of a client's PWG or Apple raster stream, as the
// page the TIFF writer takes: 1-bit black, 8-bit grey or 24-bit colour.
class CRasterHeader {
public:
    // PAPPL gives bi-level jobs as 8-bit grey when the driver takes grey
    // too; biLevel stores such a page as 1-bit. Nothing for any other kind
    // of raster or lines of the wrong size; the reason in error.
    static std::optional<CRasterTiffWriter::Page> PageOf(const cups_page_header2_t& header, bool biLevel,
                                                         std::string& error);
};
