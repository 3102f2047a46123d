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
