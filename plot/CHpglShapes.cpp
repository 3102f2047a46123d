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

// The radius and angles are in user units: under unequal scaling a
// circle of the user's coordinates is an ellipse on the page, and a
// mirrored axis turns the sweep the other way, as a plotter draws them.
void CHpglShapes::AppendArc(double centerX, double centerY, double radius, double start, double sweep)
{
    const double sx = m_transform.ScaleX();
    const double sy = m_transform.ScaleY();
    const unsigned segments = Segments(radius * std::max(std::abs(sx), std::abs(sy)), sweep);
    for (unsigned i = 1; i <= segments; ++i) {
        const double angle = start + sweep * i / segments;
        m_points.push_back(
            m_transform.ToPage(centerX + radius * sx * std::cos(angle), centerY + radius * sy * std::sin(angle)));
    }
}

void CHpglShapes::Arc(double centerX, double centerY, double& x, double& y, double sweepDegrees, bool draw)
{
    const double userX = (x - centerX) / m_transform.ScaleX();
    const double userY = (y - centerY) / m_transform.ScaleY();
    const double radius = std::hypot(userX, userY);
    const double start = std::atan2(userY, userX);
    const double sweep = Radians(sweepDegrees);
    m_points.clear();
    AppendArc(centerX, centerY, radius, start, sweep);
    x = centerX + radius * m_transform.ScaleX() * std::cos(start + sweep);
    y = centerY + radius * m_transform.ScaleY() * std::sin(start + sweep);
    if (!draw)
        return m_stroker.MoveTo(m_points.back());
    for (const PlotPoint& point : m_points)
        m_stroker.LineTo(point);
}

void CHpglShapes::Circle(double centerX, double centerY, double radius)
{
    m_points.clear();
    AppendArc(centerX, centerY, std::abs(radius), 0, 2 * std::numbers::pi);
    // The last point is the start again; the outline closes itself.
    m_points.insert(m_points.begin(), m_points.back());
    m_points.pop_back();
    m_stroker.Shape(m_points.data(), m_points.size(), false);
}

void CHpglShapes::Wedge(double centerX, double centerY, double radius, double startDegrees, double sweepDegrees,
                        bool filled)
{
    const double start = Radians(startDegrees);
    m_points.clear();
    m_points.push_back(m_transform.ToPage(centerX, centerY));
    m_points.push_back(m_transform.ToPage(centerX + radius * m_transform.ScaleX() * std::cos(start),
                                          centerY + radius * m_transform.ScaleY() * std::sin(start)));
    AppendArc(centerX, centerY, radius, start, Radians(sweepDegrees));
    m_stroker.Shape(m_points.data(), m_points.size(), filled);
}

void CHpglShapes::Rectangle(double x0, double y0, double x1, double y1, bool filled)
{
    const PlotPoint corners[] = {m_transform.ToPage(x0, y0), m_transform.ToPage(x1, y0), m_transform.ToPage(x1, y1),
                                 m_transform.ToPage(x0, y1)};
    m_stroker.Shape(corners, 4, filled);
}
