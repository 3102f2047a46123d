#include "CHpglHatcher.h"

#include <algorithm>
#include <cmath>

namespace {
// Points turned so that the hatch lines run along x.
PlotPoint Turn(PlotPoint p, double c, double s)
{
    return {static_cast<float>(p.x * c + p.y * s), static_cast<float>(-p.x * s + p.y * c)};
}

// Where the line at height y crosses the outlines' edges, left to right.
void Crossings(const std::vector<PlotPoint>& turned, const std::vector<CHpglHatcher::Ring>& rings, double y,
               std::vector<double>& xs)
{
    xs.clear();
    for (const auto& [begin, end] : rings)
        for (std::size_t i = begin; i < end; ++i) {
            const PlotPoint a = turned[i];
            const PlotPoint b = turned[i + 1 < end ? i + 1 : begin];
            // Half-open, so that a vertex on the line counts once.
            if ((a.y <= y) != (b.y <= y))
                xs.push_back(a.x + (y - a.y) / (b.y - a.y) * (b.x - a.x));
        }
    std::sort(xs.begin(), xs.end());
}
}

std::vector<CHpglHatcher::Segment> CHpglHatcher::Lines(const std::vector<PlotPoint>& points,
                                                       const std::vector<Ring>& rings, double spacing,
                                                       double angleRadians, std::size_t maxSegments)
{
    std::vector<Segment> segments;
    if (!(spacing > 0) || points.empty())
        return segments;
    const double c = std::cos(angleRadians), s = std::sin(angleRadians);
    std::vector<PlotPoint> turned;
    turned.reserve(points.size());
    double low = HUGE_VAL, high = -HUGE_VAL;
    for (const PlotPoint& p : points) {
        turned.push_back(Turn(p, c, s));
        low = std::min(low, double(turned.back().y));
        high = std::max(high, double(turned.back().y));
    }
    std::vector<double> xs;
    for (double y = std::ceil(low / spacing) * spacing; y <= high && segments.size() < maxSegments; y += spacing) {
        Crossings(turned, rings, y, xs);
        for (std::size_t i = 0; i + 1 < xs.size(); i += 2) {
            const PlotPoint a = Turn({static_cast<float>(xs[i]), static_cast<float>(y)}, c, -s);
            const PlotPoint b = Turn({static_cast<float>(xs[i + 1]), static_cast<float>(y)}, c, -s);
            segments.emplace_back(a, b);
        }
    }
    return segments;
}
