#pragma once

#include "CHpglClipper.h"
#include "CHpglDrawing.h"

#include <cstdint>
#include <vector>

// Turns pen moves into the drawing's polylines, joining moves that follow
// one another with the same pen; in polygon mode (PM) it collects them in
// the polygon buffer instead, for EP and FP to outline or fill.
class CHpglStroker {
public:
    // How areas are filled (FT): solid (1, 2), hatched (3), cross-hatched
    // (4), shaded (10, level in percent) or with a raster pattern (11, the
    // pattern RF defined, solid without one); spacing in plotter units.
    struct Fill {
        int type = 1;
        double spacing = 0;
        double angleDegrees = 0;
        double level = 100;
        const CHpglDrawing::RasterPattern* pattern = nullptr;
    };
    // A line type (LT): lengths of dashes and gaps in plotter units, in
    // turn, dashes first; empty for a solid line. An adaptive pattern is
    // stretched to fit each line a whole number of times. LT 0 puts a dot
    // at each end of every line and draws nothing between.
    struct Dashes {
        std::vector<double> lengths;
        bool adaptive = false;
        bool endDots = false;
        bool IsSolid() const { return lengths.empty() && !endDots; }
    };

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

    CHpglClipper& Clipper() { return m_clipper; }
    void SetFill(const Fill& fill) { m_fill = fill; }
    // FP 1: the non-zero winding rule instead of even-odd.
    void SetNonZeroFill(bool nonZero) { m_nonZero = nonZero; }
    void SetDashes(Dashes dashes);

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
    void DrawSegment(PlotPoint from, PlotPoint to);
    void DrawDashed(PlotPoint from, PlotPoint to);
    void DrawEndDots(PlotPoint from, PlotPoint to);
    void EmitFilled(const std::vector<PlotPoint>& points, const std::vector<std::pair<std::size_t, std::size_t>>& rings);
    bool Emit(const PlotPoint* points, std::size_t count, std::uint16_t flags, bool closed = true);

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
    CHpglClipper m_clipper;
    Fill m_fill;
    bool m_nonZero = false;
    Dashes m_dashes;
    double m_dashPosition = 0;  // along the pattern, plotter units
};
