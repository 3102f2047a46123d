#pragma once

#include "CHpglStroker.h"
#include "CHpglTransform.h"

#include <vector>

// Arcs, circles, wedges and rectangles, flattened to straight segments
// that stray at most a fraction of a millimetre from the true curve. Centres
// and points are plotter units of the turned coordinate system, radii user
// units.
class CHpglShapes {
public:
    CHpglShapes(const CHpglTransform& transform, CHpglStroker& stroker, unsigned maxSegments);

    // An arc from (x, y) about the centre over sweep degrees (positive
    // counter-clockwise), drawn or only travelled; (x, y) becomes its end.
    void Arc(double centerX, double centerY, double& x, double& y, double sweepDegrees, bool draw);
    void Circle(double centerX, double centerY, double radius);
    void Wedge(double centerX, double centerY, double radius, double startDegrees, double sweepDegrees,
               bool filled);
    void Rectangle(double x0, double y0, double x1, double y1, bool filled);

private:
    unsigned Segments(double radius, double sweepRadians) const;
    // Appends the arc's points after its start.
    void AppendArc(double centerX, double centerY, double radius, double start, double sweep);

    const CHpglTransform& m_transform;
    CHpglStroker& m_stroker;
    unsigned m_maxSegments;
    std::vector<PlotPoint> m_points;
};
