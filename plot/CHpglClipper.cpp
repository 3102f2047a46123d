#include "CHpglClipper.h"

#include <array>

// Liang and Barsky: the segment as from + t (to - from), t narrowed by each
// of the window's four sides.
bool CHpglClipper::ClipSegment(PlotPoint& from, PlotPoint& to) const
{
    if (!m_active)
        return true;
    const double dx = to.x - from.x, dy = to.y - from.y;
    const std::array<double, 4> p = {-dx, dx, -dy, dy};
    const std::array<double, 4> q = {from.x - m_window.minX, m_window.maxX - from.x, from.y - m_window.minY,
                                     m_window.maxY - from.y};
    double enter = 0, leave = 1;
    for (std::size_t i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0)
                return false;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0)
            enter = std::max(enter, t);
        else
            leave = std::min(leave, t);
    }
    if (enter > leave)
        return false;
    const PlotPoint start = from;
    from = {static_cast<float>(start.x + enter * dx), static_cast<float>(start.y + enter * dy)};
    to = {static_cast<float>(start.x + leave * dx), static_cast<float>(start.y + leave * dy)};
    return true;
}

namespace {
// One side of the window as a half-plane: inside, and where an edge
// crosses it.
struct Side {
    int axis;  // 0: x, 1: y
    float limit;
    bool keepAbove;

    bool Inside(PlotPoint p) const
    {
        const float v = axis == 0 ? p.x : p.y;
        return keepAbove ? v >= limit : v <= limit;
    }
    PlotPoint Crossing(PlotPoint a, PlotPoint b) const
    {
        const float va = axis == 0 ? a.x : a.y, vb = axis == 0 ? b.x : b.y;
        const float t = (limit - va) / (vb - va);
        return {a.x + t * (b.x - a.x), a.y + t * (b.y - a.y)};
    }
};
}

// Sutherland and Hodgman: the outline cut by each side in turn.
std::vector<PlotPoint> CHpglClipper::ClipPolygon(const PlotPoint* points, std::size_t count) const
{
    std::vector<PlotPoint> polygon(points, points + count);
    if (!m_active)
        return polygon;
    const Side sides[] = {{0, m_window.minX, true}, {0, m_window.maxX, false}, {1, m_window.minY, true},
                          {1, m_window.maxY, false}};
    for (const Side& side : sides) {
        std::vector<PlotPoint> cut;
        for (std::size_t i = 0; i < polygon.size(); ++i) {
            const PlotPoint a = polygon[i];
            const PlotPoint b = polygon[(i + 1) % polygon.size()];
            if (side.Inside(a))
                cut.push_back(a);
            if (side.Inside(a) != side.Inside(b))
                cut.push_back(side.Crossing(a, b));
        }
        polygon.swap(cut);
    }
    return polygon;
}
