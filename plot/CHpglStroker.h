#pragma once

#include "CHpglDrawing.h"

#include <cstdint>
#include <vector>

// Turns pen moves into the drawing's polylines, joining moves that follow
// one another with the same pen; in polygon mode (PM) it collects them in
// the polygon buffer instead, for EP and FP to outline or fill.
class CHpglStroker {
public:
    CHpglStroker(CHpglDrawing& drawing, std::size_t maxPoints);

    // Pen 0 draws nothing.
    void SetPen(std::uint16_t pen, float widthMm);
    void MoveTo(PlotPoint to);
    void LineTo(PlotPoint to);
    // A closed outline that leaves the current point where it is.
    void Shape(const PlotPoint* points, std::size_t count, bool filled);
    // Ends the polyline being drawn; the next line begins a new one.
    void Break();
    PlotPoint Current() const { return m_current; }
    bool IsFull() const { return m_full; }

    void BeginPolygon();
    // PM 1 and PM 2. An outline that ends with the pen up stays open in EP,
    // as drivers that edge open paths through the polygon buffer expect.
    void CloseSubpolygon(bool penDown);
    void EndPolygon(bool penDown);
    bool InPolygon() const { return m_inPolygon; }
    void EdgePolygon();
    void FillPolygon();

private:
    bool Room(std::size_t points);
    bool Emit(const PlotPoint* points, std::size_t count, std::uint16_t flags, bool closed = true);
    void EmitPolygon(std::uint16_t firstFlags, std::uint16_t moreFlags);

    CHpglDrawing& m_drawing;
    std::size_t m_maxPoints;
    std::uint16_t m_pen = 1;
    float m_widthMm = 0.35f;
    PlotPoint m_current;
    bool m_drawingLine = false;
    bool m_full = false;
    bool m_inPolygon = false;
    bool m_newSubpath = true;
    std::vector<PlotPoint> m_polygon;
    std::vector<std::uint32_t> m_subpathStarts;
    std::vector<bool> m_subpathOpen;
};
