#include "CHpglShapes.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {
// A chord strays from its arc by at most one plotter unit (0.025 mm).
constexpr double kChordTolerance = 1;
constexpr double kMinStep = std::numbers::pi / 360;
constexpr double kMaxStep = std::numbers::pi / 4;

double Radians(double degrees)
{
    // Beyond a full turn an arc only draws itself again.
    return std::clamp(degrees, -360.0, 360.0) * std::numbers::pi / 180;
}
}

CHpglShapes::CHpglShapes(const CHpglTransform& transform, CHpglStroker& stroker, unsigned maxSegments)
    : m_transform(transform)
    , m_stroker(stroker)
    , m_maxSegments(std::max(maxSegments, 4u))
{
}

unsigned CHpglShapes::Segments(double radius, double sweepRadians) const
{
    const double step = radius > kChordTolerance ? 2 * std::acos(1 - kChordTolerance / radius) : kMaxStep;
    const double wanted = std::ceil(std::abs(sweepRadians) / std::clamp(step, kMinStep, kMaxStep));
    return static_cast<unsigned>(std::clamp(wanted, 1.0, static_cast<double>(m_maxSegments)));
}

void CHpglShapes::AppendArc(double centerX, double centerY, double radius, double start, double sweep)
{
    const unsigned segments = Segments(radius, sweep);
    for (unsigned i = 1; i <= segments; ++i) {
        const double angle = start + sweep * i / segments;
        m_points.push_back(m_transform.ToPage(centerX + radius * std::cos(angle), centerY + radius * std::sin(angle)));
    }
}

void CHpglShapes::Arc(double centerX, double centerY, double& x, double& y, double sweepDegrees, bool draw)
{
    const double radius = std::hypot(x - centerX, y - centerY);
    const double start = std::atan2(y - centerY, x - centerX);
    const double sweep = Radians(sweepDegrees);
    m_points.clear();
    AppendArc(centerX, centerY, radius, start, sweep);
    x = centerX + radius * std::cos(start + sweep);
    y = centerY + radius * std::sin(start + sweep);
    if (!draw)
        return m_stroker.MoveTo(m_points.back());
    for (const PlotPoint& point : m_points)
        m_stroker.LineTo(point);
}

void CHpglShapes::Circle(double centerX, double centerY, double radius)
{
    m_points.clear();
    m_points.push_back(m_transform.ToPage(centerX + std::abs(radius), centerY));
    AppendArc(centerX, centerY, std::abs(radius), 0, 2 * std::numbers::pi);
    m_points.pop_back();  // the start again; the outline closes itself
    m_stroker.Shape(m_points.data(), m_points.size(), false);
}

void CHpglShapes::Wedge(double centerX, double centerY, double radius, double startDegrees, double sweepDegrees,
                        bool filled)
{
    const double start = Radians(startDegrees);
    m_points.clear();
    m_points.push_back(m_transform.ToPage(centerX, centerY));
    m_points.push_back(m_transform.ToPage(centerX + radius * std::cos(start), centerY + radius * std::sin(start)));
    AppendArc(centerX, centerY, radius, start, Radians(sweepDegrees));
    m_stroker.Shape(m_points.data(), m_points.size(), filled);
}

void CHpglShapes::Rectangle(double x0, double y0, double x1, double y1, bool filled)
{
    const PlotPoint corners[] = {m_transform.ToPage(x0, y0), m_transform.ToPage(x1, y0), m_transform.ToPage(x1, y1),
                                 m_transform.ToPage(x0, y1)};
    m_stroker.Shape(corners, 4, filled);
}
