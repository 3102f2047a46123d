#pragma once

#include <string>

// The size of a plot as the print list shows it: width and height in mm,
// the number of pages and the standard sheet it matches.
class CPlotSize {
public:
    enum class Unit { Millimetres, Inches };

    // No size: the format has none, or it could not be read.
    CPlotSize() = default;
    // The sheet name is matched from the sizes.
    CPlotSize(double widthMm, double heightMm, int pages = 1);

    bool IsKnown() const { return m_widthMm > 0 && m_heightMm > 0; }
    double WidthMm() const { return m_widthMm; }
    double HeightMm() const { return m_heightMm; }
    int Pages() const { return m_pages; }
    // "A0", "ARCH D", "ANSI E"; empty for no standard sheet.
    const std::string& SheetName() const { return m_sheetName; }

    // "841 × 1189 mm (A0)", "33.1 × 46.8 in (A0)", with ", 3 pages" for
    // several pages; "—" without a size. UTF-8.
    std::string Format(Unit unit = Unit::Millimetres) const;
    // The same with "x" and "-", for the command line.
    std::string FormatAscii(Unit unit = Unit::Millimetres) const;

private:
    std::string Formatted(Unit unit, const char* times, const char* none) const;

    double m_widthMm = 0;
    double m_heightMm = 0;
    int m_pages = 0;
    std::string m_sheetName;
};
