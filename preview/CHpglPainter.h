#pragma once

#include "CHpglDrawing.h"

#include <QBrush>
#include <QImage>
#include <QPointF>

#include <stop_token>

class QPainter;

// Draws an HP-GL drawing in black on white into a picture of its frame,
// pen widths scaled with the drawing and never thinner than one pixel.
// Lines reach the painter in large batches, so that a million vectors take
// a fraction of a second; the stop token is looked at between batches.
// Labels need a QGuiApplication (fonts) and are left out without one.
class CHpglPainter {
public:
    // size: the picture's, with the aspect ratio of FrameOf(drawing).
    CHpglPainter(const CHpglDrawing& drawing, QSize size);

    // Null when stop was requested.
    QImage Paint(std::stop_token stop) const;

    // What a preview shows: the page where the file sets one, else what is
    // drawn with a margin, never flat.
    static PlotBox FrameOf(const CHpglDrawing& drawing);

private:
    QPointF Map(PlotPoint point) const;
    // 0 for a line one pixel wide.
    double PixelWidth(float penWidthMm) const;
    bool DrawThinLines(QPainter& painter, std::stop_token stop) const;
    bool DrawWideLines(QPainter& painter, std::stop_token stop) const;
    bool FillPolygons(QPainter& painter, std::stop_token stop) const;
    QBrush BrushOf(std::uint16_t flags) const;
    void DrawLabels(QPainter& painter) const;

    const CHpglDrawing& m_drawing;
    QSize m_size;
    PlotBox m_frame;
    double m_scale;  // pixels per plotter unit
};
