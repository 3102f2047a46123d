#include "CHpglPainter.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

namespace {
constexpr std::size_t kLinesPerBatch = 1 << 16;
constexpr std::size_t kPolylinesPerCheck = 1 << 12;
// Below this a pen is drawn as a one-pixel line, the painter's fast path.
constexpr double kThinPixels = 1.5;
constexpr float kMarginShare = 0.02f;
// A font's cap height is about this share of its pixel size.
constexpr double kCapHeightShare = 0.72;
// A raster pattern's pixel is a dot of the device, which the file does not
// name; 300 dpi stands for it.
constexpr double kUnitsPerPatternDot = 1016.0 / 300;
// A pattern tile larger than this on screen is drawn no larger: a zoom
// that far shows less than a tile anyway.
constexpr int kMaxTilePixels = 4096;

bool IsFilled(const CHpglDrawing::Polyline& polyline)
{
    return (polyline.flags & (CHpglDrawing::kFilled | CHpglDrawing::kSubpath)) != 0;
}
}

CHpglPainter::CHpglPainter(const CHpglDrawing& drawing, QSize size)
    : m_drawing(drawing), m_size(size), m_frame(FrameOf(drawing)), m_scale(size.width() / m_frame.Width())
{
}

PlotBox CHpglPainter::FrameOf(const CHpglDrawing& drawing)
{
    PlotBox frame = drawing.Frame();
    if (drawing.HasPage() || frame.IsEmpty())
        return frame;
    // A line along the edge stays visible, and a single straight line
    // still gets a picture of some height.
    const float side = std::max({frame.Width(), frame.Height(), 1.0f});
    const float marginX = std::max(frame.Width() * kMarginShare, side * kMarginShare / 2);
    const float marginY = std::max(frame.Height() * kMarginShare, side * kMarginShare / 2);
    frame.Add({frame.minX - marginX, frame.minY - marginY});
    frame.Add({frame.maxX + marginX, frame.maxY + marginY});
    return frame;
}

QImage CHpglPainter::Paint(std::stop_token stop) const
{
    QImage image(m_size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setBrush(Qt::NoBrush);
    const bool drawn = FillPolygons(painter, stop) && DrawThinLines(painter, stop) && DrawWideLines(painter, stop);
    if (!drawn)
        return {};
    DrawLabels(painter);
    return image;
}

QPointF CHpglPainter::Map(PlotPoint point) const
{
    return {(point.x - m_frame.minX) * m_scale, (m_frame.maxY - point.y) * m_scale};
}

double CHpglPainter::PixelWidth(float penWidthMm) const
{
    const double pixels = penWidthMm / CHpglDrawing::kMmPerUnit * m_scale;
    return pixels < kThinPixels ? 0 : pixels;
}

// Everything is black, so the order of drawing does not show: thin lines
// of all polylines go together as separate segments.
bool CHpglPainter::DrawThinLines(QPainter& painter, std::stop_token stop) const
{
    painter.setPen(QPen(Qt::black, 0));
    std::vector<QLineF> batch;
    batch.reserve(kLinesPerBatch);
    const auto& points = m_drawing.Points();
    for (const auto& polyline : m_drawing.Polylines()) {
        if (IsFilled(polyline) || PixelWidth(polyline.penWidthMm) > 0)
            continue;
        QPointF from = Map(points[polyline.first]);
        for (std::uint32_t i = 1; i < polyline.count; ++i) {
            const QPointF to = Map(points[polyline.first + i]);
            batch.emplace_back(from, to);
            from = to;
        }
        if (batch.size() >= kLinesPerBatch) {
            painter.drawLines(batch.data(), static_cast<int>(batch.size()));
            batch.clear();
            if (stop.stop_requested())
                return false;
        }
    }
    painter.drawLines(batch.data(), static_cast<int>(batch.size()));
    return !stop.stop_requested();
}

bool CHpglPainter::DrawWideLines(QPainter& painter, std::stop_token stop) const
{
    std::vector<QPointF> line;
    std::size_t drawn = 0;
    const auto& points = m_drawing.Points();
    for (const auto& polyline : m_drawing.Polylines()) {
        const double width = PixelWidth(polyline.penWidthMm);
        if (IsFilled(polyline) || width == 0)
            continue;
        if (painter.pen().widthF() != width)
            painter.setPen(QPen(Qt::black, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        line.clear();
        for (std::uint32_t i = 0; i < polyline.count; ++i)
            line.push_back(Map(points[polyline.first + i]));
        painter.drawPolyline(line.data(), static_cast<int>(line.size()));
        if (++drawn % kPolylinesPerCheck == 0 && stop.stop_requested())
            return false;
    }
    return !stop.stop_requested();
}

// A filled polygon is its first outline and the subpaths that follow it,
// filled by the even-odd rule (inner outlines are holes) unless FP asked
// for the non-zero one, black or in the grey of its shading.
bool CHpglPainter::FillPolygons(QPainter& painter, std::stop_token stop) const
{
    QPainterPath path;
    QBrush brush(Qt::black);
    std::size_t filled = 0;
    const auto& points = m_drawing.Points();
    for (const auto& polyline : m_drawing.Polylines()) {
        if (!IsFilled(polyline))
            continue;
        if (!(polyline.flags & CHpglDrawing::kSubpath)) {
            painter.fillPath(path, brush);
            path.clear();
            if (++filled % kPolylinesPerCheck == 0 && stop.stop_requested())
                return false;
            path.setFillRule((polyline.flags & CHpglDrawing::kNonZero) ? Qt::WindingFill : Qt::OddEvenFill);
            brush = BrushOf(polyline.flags);
        }
        path.moveTo(Map(points[polyline.first]));
        for (std::uint32_t i = 1; i < polyline.count; ++i)
            path.lineTo(Map(points[polyline.first + i]));
        path.closeSubpath();
    }
    painter.fillPath(path, brush);
    return !stop.stop_requested();
}

// A raster pattern is tiled from the page's origin, each of its dots as
// large as the preview shows a dot of the device; dots smaller than a
// pixel blend into the grey they make together.
QBrush CHpglPainter::BrushOf(std::uint16_t flags) const
{
    const CHpglDrawing::RasterPattern* pattern = m_drawing.PatternOf(flags);
    if (pattern == nullptr) {
        const int grey = static_cast<int>(std::lround(255 * (1 - CHpglDrawing::ShadeLevel(flags) / 100)));
        return QColor(grey, grey, grey);
    }
    QImage tile(pattern->width, pattern->height, QImage::Format_RGB32);
    for (int y = 0; y < tile.height(); ++y)
        for (int x = 0; x < tile.width(); ++x)
            tile.setPixel(x, y, pattern->pens[static_cast<std::size_t>(y * tile.width() + x)] ? 0xff000000 : 0xffffffff);
    const double dot = kUnitsPerPatternDot * m_scale;
    const auto side = [dot](int dots) { return std::clamp(static_cast<int>(std::lround(dots * dot)), 1, kMaxTilePixels); };
    QBrush brush(tile.scaled(side(tile.width()), side(tile.height()), Qt::IgnoreAspectRatio,
                             dot < 1 ? Qt::SmoothTransformation : Qt::FastTransformation));
    brush.setTransform(QTransform::fromTranslate(Map({0, 0}).x(), Map({0, 0}).y()));
    return brush;
}

// Each character in its own cell, as the plotter places it.
void CHpglPainter::DrawLabels(QPainter& painter) const
{
    if (m_drawing.Labels().empty() || !qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        return;
    painter.setPen(Qt::black);
    QFont font(QStringLiteral("Sans Serif"));
    for (const auto& label : m_drawing.Labels()) {
        const double capHeight = label.height * m_scale;
        if (capHeight < 1)
            continue;
        font.setPixelSize(std::max(1, static_cast<int>(std::lround(capHeight / kCapHeightShare))));
        painter.setFont(font);
        const QString text = QString::fromLatin1(m_drawing.LabelText(label));
        const double dx = label.advance * std::cos(label.directionRadians);
        const double dy = label.advance * std::sin(label.directionRadians);
        for (int i = 0; i < text.size(); ++i) {
            const PlotPoint cell{label.anchor.x + static_cast<float>(dx * i), label.anchor.y + static_cast<float>(dy * i)};
            painter.save();
            painter.translate(Map(cell));
            painter.rotate(-label.directionRadians * 180 / std::numbers::pi);
            painter.drawText(QPointF(0, 0), text.mid(i, 1));
            painter.restore();
        }
    }
}
