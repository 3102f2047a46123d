#pragma once

#include "PlotGeometry.h"

// Maps the user units of an HP-GL file to plotter units: scaling (SC)
// between the scaling points P1 and P2 (IP), then the rotation of the
// coordinate system (RO) within the page (PS).
class CHpglTransform {
public:
    CHpglTransform();

    // IN: default scaling points, no scaling, no rotation.
    void Reset();
    void SetPage(double width, double height);
    double PageWidth() const { return m_pageWidth; }
    double PageHeight() const { return m_pageHeight; }
    // RO in quarter turns counter-clockwise; the scaling points return
    // to the turned page's corners, as a plotter puts them.
    void SetRotation(int quarterTurns);
    int Rotation() const { return m_quarterTurns; }
    // IP with 0, 2 or 4 values.
    void SetScalingPoints(const double* values, int count);
    // IR: the same in percent of the turned page (or of the nominal area
    // without a page).
    void SetRelativeScalingPoints(const double* values, int count);
    // SC with its parameters; an empty or degenerate range turns scaling off.
    void SetScale(const double* values, int count);

    // User units to plotter units and back, before rotation.
    double ToPlotterX(double x) const { return m_ax * x + m_bx; }
    double ToPlotterY(double y) const { return m_ay * y + m_by; }
    double FromPlotterX(double x) const { return (x - m_bx) / m_ax; }
    double FromPlotterY(double y) const { return (y - m_by) / m_ay; }
    double ScaleX() const { return m_ax; }
    double ScaleY() const { return m_ay; }
    // Plotter units of the turned coordinate system to the page's own.
    PlotPoint ToPage(double x, double y) const;
    // The size of P2 - P1, for sizes relative to it.
    double ScalingWidth() const { return m_p2x - m_p1x; }
    double ScalingHeight() const { return m_p2y - m_p1y; }

private:
    double TurnedWidth() const;
    double TurnedHeight() const;
    void DefaultScalingPoints();
    void ApplyScale();
    void Isotropic();
    bool ScaleBy(double ax, double bx, double ay, double by);

    double m_pageWidth = 0;
    double m_pageHeight = 0;
    int m_quarterTurns = 0;
    double m_p1x = 0, m_p1y = 0, m_p2x = 0, m_p2y = 0;
    double m_ax = 1, m_bx = 0, m_ay = 1, m_by = 0;
    double m_scale[7] = {};
    int m_scaleCount = 0;
};
