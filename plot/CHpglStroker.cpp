#include "CHpglStroker.h"

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
    } else if (m_pen != 0) {
        if (!m_drawingLine)
            m_drawing.BeginPolyline(m_current, m_pen, m_widthMm);
        m_drawingLine = true;
        m_drawing.AddPoint(to);
    }
    m_current = to;
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
    Emit(points, count, filled ? CHpglDrawing::kFilled : 0);
}

bool CHpglStroker::Emit(const PlotPoint* points, std::size_t count, std::uint16_t flags, bool closed)
{
    if (m_pen == 0 || count < 2)
        return false;
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
    EmitPolygon(0, 0);
}

void CHpglStroker::FillPolygon()
{
    EmitPolygon(CHpglDrawing::kFilled, CHpglDrawing::kFilled | CHpglDrawing::kSubpath);
}

void CHpglStroker::EmitPolygon(std::uint16_t firstFlags, std::uint16_t moreFlags)
{
    if (m_inPolygon || !Room(m_polygon.size() + m_subpathStarts.size()))
        return;
    Break();
    bool first = true;
    for (std::size_t i = 0; i < m_subpathStarts.size(); ++i) {
        const std::size_t begin = m_subpathStarts[i];
        const std::size_t end = i + 1 < m_subpathStarts.size() ? m_subpathStarts[i + 1] : m_polygon.size();
        const bool closed = firstFlags != 0 || !m_subpathOpen[i];
        if (Emit(m_polygon.data() + begin, end - begin, first ? firstFlags : moreFlags, closed))
            first = false;
    }
}

