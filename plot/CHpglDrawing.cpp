#include "CHpglDrawing.h"

#include <algorithm>
#include <cmath>
#include <numbers>

std::string_view CHpglDrawing::LabelText(const Label& label) const
{
    return std::string_view(m_labelText).substr(label.textOffset, label.textLength);
}

std::uint16_t CHpglDrawing::ShadeFlags(double levelPercent)
{
    const double level = std::isfinite(levelPercent) ? std::clamp(levelPercent, 0.0, 100.0) : 100;
    return static_cast<std::uint16_t>(kShaded | static_cast<unsigned>(std::lround(level)) << 8);
}

std::uint16_t CHpglDrawing::PatternFlags(const RasterPattern& pattern)
{
    constexpr std::size_t kMaxPatterns = 256;
    // Fills that follow one another mostly share their pattern.
    if (m_patterns.empty() || !(m_patterns.back() == pattern)) {
        if (m_patterns.size() == kMaxPatterns)
            return 0;
        m_patterns.push_back(pattern);
    }
    return static_cast<std::uint16_t>(kPatterned | (m_patterns.size() - 1) << 8);
}

const CHpglDrawing::RasterPattern* CHpglDrawing::PatternOf(std::uint16_t flags) const
{
    const std::size_t index = flags >> 8;
    return (flags & kPatterned) && index < m_patterns.size() ? &m_patterns[index] : nullptr;
}

PlotBox CHpglDrawing::Frame() const
{
    if (!HasPage())
        return m_extents;
    PlotBox page;
    page.Add({0, 0});
    page.Add({m_pageWidth, m_pageHeight});
    return page;
}

double CHpglDrawing::WidthMm() const
{
    return (HasPage() ? m_pageWidth : m_extents.Width()) * kMmPerUnit;
}

double CHpglDrawing::HeightMm() const
{
    return (HasPage() ? m_pageHeight : m_extents.Height()) * kMmPerUnit;
}

void CHpglDrawing::BeginPolyline(PlotPoint start, std::uint16_t pen, float penWidthMm, std::uint16_t flags)
{
    EndPolyline();
    m_polylines.push_back({static_cast<std::uint32_t>(m_points.size()), 0, pen, flags, penWidthMm});
    m_open = true;
    AddPoint(start);
}

void CHpglDrawing::AddPoint(PlotPoint point)
{
    m_points.push_back(point);
    ++m_polylines.back().count;
}

void CHpglDrawing::EndPolyline()
{
    if (!m_open)
        return;
    m_open = false;
    const Polyline& last = m_polylines.back();
    if (last.count < 2) {
        m_points.resize(last.first);
        m_polylines.pop_back();
        return;
    }
    for (std::uint32_t i = last.first; i < last.first + last.count; ++i)
        m_extents.Add(m_points[i]);
}

void CHpglDrawing::AddLabel(const Label& label, std::string_view text)
{
    EndPolyline();
    Label stored = label;
    stored.textOffset = static_cast<std::uint32_t>(m_labelText.size());
    stored.textLength = static_cast<std::uint32_t>(text.size());
    m_labelText.append(text);
    m_labels.push_back(stored);
    IncludeLabel(stored);
}

void CHpglDrawing::IncludeLabel(const Label& label)
{
    const float along = label.advance * static_cast<float>(label.textLength);
    const float c = std::cos(label.directionRadians);
    const float s = std::sin(label.directionRadians);
    const PlotPoint a = label.anchor;
    m_extents.Add(a);
    m_extents.Add({a.x + along * c, a.y + along * s});
    m_extents.Add({a.x - label.height * s, a.y + label.height * c});
    m_extents.Add({a.x + along * c - label.height * s, a.y + along * s + label.height * c});
}

void CHpglDrawing::SetPage(float width, float height)
{
    m_pageWidth = width;
    m_pageHeight = height;
}

void CHpglDrawing::Rotate(int quarterTurns)
{
    quarterTurns = ((quarterTurns % 4) + 4) % 4;
    if (quarterTurns == 0)
        return;
    EndPolyline();
    m_extents = PlotBox();
    for (PlotPoint& p : m_points) {
        p = Turned(p, quarterTurns, m_pageWidth, m_pageHeight);
        m_extents.Add(p);
    }
    for (Label& label : m_labels) {
        label.anchor = Turned(label.anchor, quarterTurns, m_pageWidth, m_pageHeight);
        const double direction = label.directionRadians + quarterTurns * std::numbers::pi / 2;
        label.directionRadians = static_cast<float>(std::remainder(direction, 2 * std::numbers::pi));
        IncludeLabel(label);
    }
    if (quarterTurns % 2 == 1)
        std::swap(m_pageWidth, m_pageHeight);
}

namespace {
// How far a drawing wholly on the negative side of an axis moves: a page's
// length, when that brings it onto the page.
float ShiftOntoPage(float low, float high, float page)
{
    constexpr float kTolerance = 1;
    return high <= kTolerance && low >= -page - kTolerance && high < low + page ? page : 0;
}
}

void CHpglDrawing::MoveMirroredOntoPage()
{
    EndPolyline();
    if (!HasPage() || m_extents.IsEmpty())
        return;
    const float dx = ShiftOntoPage(m_extents.minX, m_extents.maxX, m_pageWidth);
    const float dy = ShiftOntoPage(m_extents.minY, m_extents.maxY, m_pageHeight);
    if (dx == 0 && dy == 0)
        return;
    for (PlotPoint& p : m_points)
        p = {p.x + dx, p.y + dy};
    for (Label& label : m_labels)
        label.anchor = {label.anchor.x + dx, label.anchor.y + dy};
    m_extents = {m_extents.minX + dx, m_extents.minY + dy, m_extents.maxX + dx, m_extents.maxY + dy};
}
