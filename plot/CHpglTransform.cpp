#include "CHpglTransform.h"

#include <algorithm>
#include <cmath>

namespace {
// Where P2 lies without a page: any plotter has one, and SC without IP
// needs it to give a drawing of a sensible size.
constexpr double kNominalP2X = 10000;
constexpr double kNominalP2Y = 7500;

// A coordinate a float holds, whatever a damaged file scaled it to.
float Bounded(double value)
{
    constexpr double kLimit = 1e9;
    return std::isnan(value) ? 0.f : static_cast<float>(std::clamp(value, -kLimit, kLimit));
}

enum ScaleParameter { kXMin, kXMax, kYMin, kYMax, kType, kLeft, kBottom };
}

CHpglTransform::CHpglTransform()
{
    Reset();
}

void CHpglTransform::Reset()
{
    m_quarterTurns = 0;
    m_scaleCount = 0;
    DefaultScalingPoints();
}

void CHpglTransform::SetPage(double width, double height)
{
    m_pageWidth = width;
    m_pageHeight = height;
    DefaultScalingPoints();
}

void CHpglTransform::SetRotation(int quarterTurns)
{
    m_quarterTurns = ((quarterTurns % 4) + 4) % 4;
    DefaultScalingPoints();
}

double CHpglTransform::TurnedWidth() const
{
    const bool paged = m_pageWidth > 0 && m_pageHeight > 0;
    return paged ? (m_quarterTurns % 2 == 1 ? m_pageHeight : m_pageWidth) : kNominalP2X;
}

double CHpglTransform::TurnedHeight() const
{
    const bool paged = m_pageWidth > 0 && m_pageHeight > 0;
    return paged ? (m_quarterTurns % 2 == 1 ? m_pageWidth : m_pageHeight) : kNominalP2Y;
}

void CHpglTransform::DefaultScalingPoints()
{
    m_p1x = m_p1y = 0;
    m_p2x = TurnedWidth();
    m_p2y = TurnedHeight();
    ApplyScale();
}

void CHpglTransform::SetScalingPoints(const double* values, int count)
{
    if (count < 2)
        return DefaultScalingPoints();
    // P2 keeps its distance from P1 when only P1 moves.
    const double width = m_p2x - m_p1x;
    const double height = m_p2y - m_p1y;
    m_p1x = values[0];
    m_p1y = values[1];
    m_p2x = count >= 4 ? values[2] : m_p1x + width;
    m_p2y = count >= 4 ? values[3] : m_p1y + height;
    ApplyScale();
}

void CHpglTransform::SetRelativeScalingPoints(const double* values, int count)
{
    double points[4] = {};
    const int used = count >= 4 ? 4 : (count >= 2 ? 2 : 0);
    for (int i = 0; i < used; ++i)
        points[i] = values[i] / 100 * (i % 2 == 0 ? TurnedWidth() : TurnedHeight());
    SetScalingPoints(points, used);
}

void CHpglTransform::SetScale(const double* values, int count)
{
    m_scaleCount = count >= 4 ? std::min(count, 7) : 0;
    std::copy(values, values + m_scaleCount, m_scale);
    ApplyScale();
}

void CHpglTransform::ApplyScale()
{
    const double* s = m_scale;
    const int type = m_scaleCount > kType ? static_cast<int>(s[kType]) : 0;
    bool valid = m_scaleCount >= 4;
    if (valid && type == 2)
        valid = ScaleBy(s[kXMax], m_p1x - s[kXMin] * s[kXMax], s[kYMax], m_p1y - s[kYMin] * s[kYMax]);
    else if (valid && type == 1)
        Isotropic();
    else if (valid) {
        const double ax = (m_p2x - m_p1x) / (s[kXMax] - s[kXMin]);
        const double ay = (m_p2y - m_p1y) / (s[kYMax] - s[kYMin]);
        valid = ScaleBy(ax, m_p1x - s[kXMin] * ax, ay, m_p1y - s[kYMin] * ay);
    }
    if (!valid)
        ScaleBy(1, 0, 1, 0);
}

void CHpglTransform::Isotropic()
{
    const double* s = m_scale;
    const double ax = (m_p2x - m_p1x) / (s[kXMax] - s[kXMin]);
    const double ay = (m_p2y - m_p1y) / (s[kYMax] - s[kYMin]);
    const double factor = std::min(std::abs(ax), std::abs(ay));
    const double sx = std::copysign(factor, ax);
    const double sy = std::copysign(factor, ay);
    // The spare room of the scaling box goes left and below by these shares.
    const double left = m_scaleCount > kLeft ? s[kLeft] / 100 : 0.5;
    const double bottom = m_scaleCount > kBottom ? s[kBottom] / 100 : 0.5;
    const double spareX = (m_p2x - m_p1x) - (s[kXMax] - s[kXMin]) * sx;
    const double spareY = (m_p2y - m_p1y) - (s[kYMax] - s[kYMin]) * sy;
    if (!ScaleBy(sx, m_p1x + spareX * left - s[kXMin] * sx, sy, m_p1y + spareY * bottom - s[kYMin] * sy))
        ScaleBy(1, 0, 1, 0);
}

bool CHpglTransform::ScaleBy(double ax, double bx, double ay, double by)
{
    const bool usable = std::isfinite(ax) && std::isfinite(bx) && std::isfinite(ay) && std::isfinite(by)
                        && ax != 0 && ay != 0;
    if (usable) {
        m_ax = ax;
        m_bx = bx;
        m_ay = ay;
        m_by = by;
    }
    return usable;
}

PlotPoint CHpglTransform::ToPage(double x, double y) const
{
    const PlotPoint p{Bounded(x), Bounded(y)};
    const bool turned = m_quarterTurns % 2 == 1;
    const auto width = static_cast<float>(turned ? m_pageHeight : m_pageWidth);
    const auto height = static_cast<float>(turned ? m_pageWidth : m_pageHeight);
    return Turned(p, m_quarterTurns, width, height);
}
