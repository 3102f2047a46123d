#include "CHpglStroker.h"

#include "CHpglHatcher.h"

#include <cmath>
#include <numeric>

CHpglStroker::CHpglStroker(CHpglDrawing& drawing, std::size_t maxPoints)
    : m_drawing(drawing)
    , m_maxPoints(maxPoints)
{
}

void CHpglStroker::SetPen(std::uint16_t pen, float widthMm)
{
    if (pen != m_pen || widthMm != m_widthMm)
        Break();
    m_pen = pen;
    m_widthMm = widthMm;
}

bool CHpglStroker::Room(std::size_t points)
{
    m_full = m_full || m_drawing.Points().size() + m_polygon.size() + points > m_maxPoints;
    return !m_full;
}

void CHpglStroker::MoveTo(PlotPoint to)
{
    Break();
    m_current = to;
    m_newSubpath = true;
}

void CHpglStroker::LineTo(PlotPoint to)
{
    if (!Room(2)) {
        return;
    } else if (m_inPolygon) {
        if (m_newSubpath) {
            m_subpathStarts.push_back(static_cast<std::uint32_t>(m_polygon.size()));
            m_subpathOpen.push_back(false);
            m_polygon.push_back(m_current);
            m_newSubpath = false;
        }
        m_polygon.push_back(to);
    } else if (m_pen != 0 && m_dashes.endDots) {
        DrawEndDots(m_current, to);
    } else if (m_pen != 0 && !m_dashes.IsSolid()) {
        DrawDashed(m_current, to);
    } else if (m_pen != 0 && m_clipper.IsActive()) {
        DrawSegment(m_current, to);
    } else if (m_pen != 0) {
        if (!m_drawingLine)
            m_drawing.BeginPolyline(m_current, m_pen, m_widthMm);
        m_drawingLine = true;
        m_drawing.AddPoint(to);
    }
    m_current = to;
}

// A visible piece of a line: it goes on the polyline being drawn where it
// starts at that polyline's end, else it begins one; the window cuts it.
void CHpglStroker::DrawSegment(PlotPoint from, PlotPoint to)
{
    PlotPoint a = from, b = to;
    if (!m_clipper.ClipSegment(a, b)) {
        Break();
        return;
    }
    const auto& points = m_drawing.Points();
    if (!m_drawingLine || points.empty() || points.back().x != a.x || points.back().y != a.y) {
        Break();
        m_drawing.BeginPolyline(a, m_pen, m_widthMm);
        m_drawingLine = true;
    }
    m_drawing.AddPoint(b);
    if (b.x != to.x || b.y != to.y)
        Break();
}

void CHpglStroker::SetDashes(Dashes dashes)
{
    Break();
    const double period = std::accumulate(dashes.lengths.begin(), dashes.lengths.end(), 0.0);
    if (!(period > 0) || !std::isfinite(period))
        dashes.lengths.clear();
    m_dashes = std::move(dashes);
    m_dashPosition = 0;
}

namespace {
// A dot is a line of one plotter unit, which the pen's round tip or the
// preview's smallest line makes a dot.
constexpr double kDot = 1;

PlotPoint Along(PlotPoint from, PlotPoint to, double distance, double length)
{
    return {static_cast<float>(from.x + (to.x - from.x) * distance / length),
            static_cast<float>(from.y + (to.y - from.y) * distance / length)};
}
}

// The dots are the first and last unit of the line, each on its own, as
// the pen touches down at both ends and lifts between.
void CHpglStroker::DrawEndDots(PlotPoint from, PlotPoint to)
{
    const double length = std::hypot(to.x - from.x, to.y - from.y);
    if (!Room(4) || !(length > 0))
        return;
    const double dot = std::min(kDot, length);
    DrawSegment(from, Along(from, to, dot, length));
    Break();
    DrawSegment(Along(from, to, length - dot, length), to);
    Break();
}

// The pattern runs on from one line to the next; a dash of no length is a
// dot.
void CHpglStroker::DrawDashed(PlotPoint from, PlotPoint to)
{
    const double length = std::hypot(to.x - from.x, to.y - from.y);
    const std::vector<double>& lengths = m_dashes.lengths;
    const double period = std::accumulate(lengths.begin(), lengths.end(), 0.0);
    double scale = 1;
    if (m_dashes.adaptive) {
        scale = length / (period * std::max(1.0, std::round(length / period)));
        m_dashPosition = 0;
    }
    if (!Room(4) || length <= 0 || !(scale > 0) || length / (period * scale) > 1e5)
        return;
    double at = 0;
    while (at < length && !m_full) {
        double within = std::fmod(m_dashPosition, period * scale);
        std::size_t part = 0;
        while (part + 1 < lengths.size() && within >= lengths[part] * scale)
            within -= lengths[part++] * scale;
        const double step = std::min(lengths[part] * scale - within, length - at);
        const auto point = [&](double d) { return Along(from, to, d, length); };
        if (part % 2 == 0)
            DrawSegment(point(at), point(lengths[part] > 0 ? at + step : std::min(at + kDot, length)));
        else
            Break();
        at += std::max(step, 1e-6);
        m_dashPosition += std::max(step, 1e-6);
        Room(2);
    }
}

void CHpglStroker::Break()
{
    if (m_drawingLine)
        m_drawing.EndPolyline();
    m_drawingLine = false;
}

void CHpglStroker::Shape(const PlotPoint* points, std::size_t count, bool filled)
{
    if (count == 0 || !Room(count + 1))
        return;
    if (m_inPolygon) {
        m_subpathStarts.push_back(static_cast<std::uint32_t>(m_polygon.size()));
        m_subpathOpen.push_back(false);
        m_polygon.insert(m_polygon.end(), points, points + count);
        m_newSubpath = true;
        return;
    }
    Break();
    if (filled)
        EmitFilled(std::vector<PlotPoint>(points, points + count), {{0, count}});
    else
        Emit(points, count, 0);
}

// An area as the fill type paints it: hatch lines of the pen, or the
// outlines filled, cut to the window.
void CHpglStroker::EmitFilled(const std::vector<PlotPoint>& points,
                              const std::vector<std::pair<std::size_t, std::size_t>>& rings)
{
    if (m_pen == 0)
        return;
    if (m_fill.type == 3 || m_fill.type == 4) {
        for (const double turn : m_fill.type == 4 ? std::vector<double>{0, 90} : std::vector<double>{0}) {
            const double angle = (m_fill.angleDegrees + turn) * std::acos(-1.0) / 180;
            for (const auto& [a, b] : CHpglHatcher::Lines(points, rings, m_fill.spacing, angle, m_maxPoints / 2))
                if (Room(2))
                    DrawSegment(a, b);
            Break();
        }
        return;
    }
    std::uint16_t flags = CHpglDrawing::kFilled | (m_nonZero ? CHpglDrawing::kNonZero : 0);
    if (m_fill.type == 10)
        flags |= CHpglDrawing::ShadeFlags(m_fill.level);
    else if (m_fill.type == 11 && m_fill.pattern != nullptr && !m_fill.pattern->pens.empty())
        flags |= m_drawing.PatternFlags(*m_fill.pattern);
    for (const auto& [begin, end] : rings) {
        const std::vector<PlotPoint> ring = m_clipper.ClipPolygon(points.data() + begin, end - begin);
        if (Room(ring.size() + 1) && Emit(ring.data(), ring.size(), flags))
            flags |= CHpglDrawing::kSubpath;
    }
}

bool CHpglStroker::Emit(const PlotPoint* points, std::size_t count, std::uint16_t flags, bool closed)
{
    if (m_pen == 0 || count < 2)
        return false;
    if (m_clipper.IsActive() && !(flags & CHpglDrawing::kFilled)) {
        for (std::size_t i = 0; i + 1 < count + closed; ++i)
            DrawSegment(points[i], points[(i + 1) % count]);
        Break();
        return true;
    }
    m_drawing.BeginPolyline(points[0], m_pen, m_widthMm, flags);
    for (std::size_t i = 1; i < count; ++i)
        m_drawing.AddPoint(points[i]);
    if (closed)
        m_drawing.AddPoint(points[0]);
    m_drawing.EndPolyline();
    return true;
}

void CHpglStroker::BeginPolygon()
{
    Break();
    m_polygon.clear();
    m_subpathStarts.clear();
    m_subpathOpen.clear();
    m_inPolygon = true;
    m_newSubpath = true;
}

void CHpglStroker::CloseSubpolygon(bool penDown)
{
    if (m_inPolygon && !m_newSubpath && !penDown)
        m_subpathOpen.back() = true;
    m_newSubpath = true;
}

void CHpglStroker::EndPolygon(bool penDown)
{
    CloseSubpolygon(penDown);
    m_inPolygon = false;
}

void CHpglStroker::EdgePolygon()
{
    if (m_inPolygon || !Room(m_polygon.size() + m_subpathStarts.size()))
        return;
    Break();
    for (std::size_t i = 0; i < m_subpathStarts.size(); ++i) {
        const std::size_t begin = m_subpathStarts[i];
        const std::size_t end = i + 1 < m_subpathStarts.size() ? m_subpathStarts[i + 1] : m_polygon.size();
        Emit(m_polygon.data() + begin, end - begin, 0, !m_subpathOpen[i]);
    }
}

void CHpglStroker::FillPolygon()
{
    if (m_inPolygon || !Room(m_polygon.size() + m_subpathStarts.size()))
        return;
    Break();
    std::vector<std::pair<std::size_t, std::size_t>> rings;
    for (std::size_t i = 0; i < m_subpathStarts.size(); ++i)
        rings.emplace_back(m_subpathStarts[i], i + 1 < m_subpathStarts.size() ? m_subpathStarts[i + 1] : m_polygon.size());
    EmitFilled(m_polygon, rings);
}
