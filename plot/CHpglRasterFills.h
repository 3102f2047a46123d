#pragma once

#include "CHpglDrawing.h"
#include "CHpglScanner.h"

#include <array>
#include <optional>

// The raster fill patterns that RF defines, by index 1 to 8, for FT 11.
class CHpglRasterFills {
public:
    // RF index, width, height, then a pen number per pixel row by row (a
    // pixel left out is 0, white); RF alone or with only an index forgets
    // the patterns or that one.
    void Define(CHpglScanner& scanner);
    // Null where the index has no pattern: such a fill stays solid.
    const CHpglDrawing::RasterPattern* Find(double index) const;
    void Clear() { m_patterns = {}; }

private:
    std::optional<std::size_t> Slot(double index) const;

    std::array<CHpglDrawing::RasterPattern, 8> m_patterns{};
};
