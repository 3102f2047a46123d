#pragma once

#include "PlotGeometry.h"

#include <cstddef>
#include <utility>
#include <vector>

// Hatching (FT 3) and cross-hatching (FT 4): parallel lines at a spacing
// and an angle, anchored at the origin so that neighbouring areas line up,
// kept where they run inside the outlines by the even-odd rule.
class CHpglHatcher {
public:
    using Segment = std::pair<PlotPoint, PlotPoint>;
    // Outlines as ranges [begin, end) of points, each closed.
    using Ring = std::pair<std::size_t, std::size_t>;

    static std::vector<Segment> Lines(const std::vector<PlotPoint>& points, const std::vector<Ring>& rings,
                                      double spacing, double angleRadians, std::size_t maxSegments);
};
