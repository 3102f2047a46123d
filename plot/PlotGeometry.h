#pragma once

#include <algorithm>
#include <limits>

// A point in plotter units (1 unit = 0.025 mm), y pointing up the sheet.
struct PlotPoint {
    float x = 0;
    float y = 0;
};

// An axis-aligned box in plotter units; empty until a point is added.
struct PlotBox {
    float minX = std::numeric_limits<float>::max();
    float minY = std::numeric_limits<float>::max();
    float maxX = std::numeric_limits<float>::lowest();
    float maxY = std::numeric_limits<float>::lowest();

    bool IsEmpty() const { return minX > maxX || minY > maxY; }
    float Width() const { return IsEmpty() ? 0 : maxX - minX; }
    float Height() const { return IsEmpty() ? 0 : maxY - minY; }
    void Add(PlotPoint p)
    {
        minX = std::min(minX, p.x);
        minY = std::min(minY, p.y);
        maxX = std::max(maxX, p.x);
        maxY = std::max(maxY, p.y);
    }
};

// p turned counter-clockwise by quarter turns within a page of that size,
// the turned page keeping its lower left corner at the origin; without a
// page (0 x 0), about the origin.
inline PlotPoint Turned(PlotPoint p, int quarterTurns, float width, float height)
{
    switch (((quarterTurns % 4) + 4) % 4) {
    case 1: return {height - p.y, p.x};
    case 2: return {width - p.x, height - p.y};
    case 3: return {p.y, width - p.x};
    default: return p;
    }
}
