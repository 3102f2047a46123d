#pragma once

#include "PlotGeometry.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// What an HP-GL or HP-GL/2 file draws, in plotter units after its scaling
// and rotation, as seen on the sheet (y up, origin at the page's lower left
// where the file sets a page). One point array holds every polyline, so a
// million vectors cost 8 bytes a point plus 16 bytes a polyline.
class CHpglDrawing {
public:
    static constexpr double kMmPerUnit = 0.025;

    enum PolylineFlags : std::uint16_t {
        kFilled = 1,     // the inside is painted (RA, RR, FP, WG)
        kSubpath = 2,    // one more outline of the filled polygon begun before
        kNonZero = 4,    // filled by the non-zero winding rule, not even-odd
        kShaded = 8,     // filled in grey, the level in the upper byte
        kPatterned = 16, // filled with a raster pattern, its number in the upper byte
    };
    // A raster fill (RF): a pen number for each pixel, row by row from the
    // top; pen 0 is white.
    struct RasterPattern {
        std::uint8_t width = 0;
        std::uint8_t height = 0;
        std::vector<std::uint8_t> pens;
        bool operator==(const RasterPattern&) const = default;
    };
    // The flags of a shading of the level given (percent of full ink).
    static std::uint16_t ShadeFlags(double levelPercent);
    static double ShadeLevel(std::uint16_t flags) { return (flags & kShaded) ? (flags >> 8) : 100; }
    // The flags of a fill with the pattern, kept with the drawing; none (a
    // solid fill) once the drawing holds as many patterns as flags count.
    std::uint16_t PatternFlags(const RasterPattern& pattern);
    // Null for a fill without a pattern.
    const RasterPattern* PatternOf(std::uint16_t flags) const;
    struct Polyline {
        std::uint32_t first = 0;  // index into Points()
        std::uint32_t count = 0;
        std::uint16_t pen = 1;
        std::uint16_t flags = 0;
        float penWidthMm = 0.35f;
    };
    // A text drawn by LB: its cells run from the anchor along direction.
    struct Label {
        PlotPoint anchor;
        float directionRadians = 0;
        float height = 0;   // cap height, plotter units
        float advance = 0;  // width of one character cell, plotter units
        std::uint16_t pen = 1;
        std::uint32_t textOffset = 0;
        std::uint32_t textLength = 0;
    };

    const std::vector<PlotPoint>& Points() const { return m_points; }
    const std::vector<Polyline>& Polylines() const { return m_polylines; }
    const std::vector<Label>& Labels() const { return m_labels; }
    std::string_view LabelText(const Label& label) const;

    // The page set by PS, already turned by RO; empty without PS.
    bool HasPage() const { return m_pageWidth > 0 && m_pageHeight > 0; }
    float PageWidth() const { return m_pageWidth; }
    float PageHeight() const { return m_pageHeight; }
    // What is drawn, labels approximately included.
    const PlotBox& Extents() const { return m_extents; }
    // The page where one is set, else the extents: what a preview shows.
    PlotBox Frame() const;
    // The size of the plot in mm: the page, else the extents.
    double WidthMm() const;
    double HeightMm() const;
    bool IsEmpty() const { return m_polylines.empty() && m_labels.empty(); }

    // Building, for the parser.
    void BeginPolyline(PlotPoint start, std::uint16_t pen, float penWidthMm, std::uint16_t flags = 0);
    void AddPoint(PlotPoint point);
    // Drops a polyline of a single point.
    void EndPolyline();
    void AddLabel(const Label& label, std::string_view text);
    void SetPage(float width, float height);
    // Turns everything by a multiple of 90 degrees within the page (or
    // about the origin without one); the page's sides swap for 90 and 270.
    void Rotate(int quarterTurns);

    // Scaling points with a mirrored axis (IP 0,0,1016,-1016, as drivers
    // that count down from the top send them) put the drawing on the far
    // side of the origin; the printer then measures that axis from the
    // page's other edge, which is where this moves such a drawing.
    void MoveMirroredOntoPage();

private:
    void IncludeLabel(const Label& label);

    std::vector<PlotPoint> m_points;
    std::vector<Polyline> m_polylines;
    std::vector<Label> m_labels;
    std::vector<RasterPattern> m_patterns;
    std::string m_labelText;
    PlotBox m_extents;
    float m_pageWidth = 0;
    float m_pageHeight = 0;
    bool m_open = false;
};
