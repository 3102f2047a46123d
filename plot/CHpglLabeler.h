#pragma once

#include "CHpglDrawing.h"
#include "CHpglScanner.h"
#include "CHpglTransform.h"

#include <string>

// Labels (LB) and what shapes them: the terminator (DT), the character
// size (SI, SR) and the direction (DI, DR). The text is kept, not drawn:
// a renderer draws it, and the extents take in its cells.
class CHpglLabeler {
public:
    CHpglLabeler(CHpglDrawing& drawing, const CHpglTransform& transform);

    // DF and IN.
    void Reset();
    void SetTerminator(CHpglScanner& scanner);
    // SI (cm) and SR (percent of P2 - P1); no values: the default size.
    void SetSize(const double* values, int count, bool relative);
    // DI and DR; no values: along the x axis.
    void SetDirection(const double* values, int count, bool relative);
    // Reads the text up to the terminator and labels it at (x, y), which
    // moves to the end of the text.
    void Label(CHpglScanner& scanner, double& x, double& y, std::uint16_t pen);
    // SM: the character to mark each point with; none turns it off.
    void SetSymbol(CHpglScanner& scanner);
    bool HasSymbol() const { return m_symbol != 0; }
    // The symbol centred on the point.
    void MarkPoint(double x, double y, std::uint16_t pen);

private:
    // Labels the line gathered so far and moves past it.
    void Flush(double& x, double& y, std::uint16_t pen);

    CHpglDrawing& m_drawing;
    const CHpglTransform& m_transform;
    int m_terminator = 3;
    double m_height = 0;   // plotter units
    double m_advance = 0;  // plotter units
    double m_direction = 0;  // radians
    std::string m_line;
    char m_symbol = 0;
};
