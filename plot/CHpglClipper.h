#pragma once

#include "PlotGeometry.h"

#include <vector>

// The soft-clip window (IW): what is drawn outside it is left out, lines
// cut where they cross its edges and filled areas cut to it.
class CHpglClipper {
public:
    // No window: nothing is clipped.
    void SetWindow(const PlotBox& window) { m_window = window; m_active = !window.IsEmpty(); }
    void Clear() { m_active = false; }
    bool IsActive() const { return m_active; }

    // The part of the segment inside the window; false when none is.
    bool ClipSegment(PlotPoint& from, PlotPoint& to) const;
    // The closed outline cut to the window (empty when it lies outside).
    std::vector<PlotPoint> ClipPolygon(const PlotPoint* points, std::size_t count) const;

private:
    PlotBox m_window;
    bool m_active = false;
};
