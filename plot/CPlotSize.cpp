#include "CPlotSize.h"

#include "CSheetSizes.h"

#include <cmath>
#include <cstdio>

namespace {
std::string Number(double mm, CPlotSize::Unit unit)
{
    char text[32];
    if (unit == CPlotSize::Unit::Inches && mm < 2.413)
        std::snprintf(text, sizeof text, "%.2f", mm / 25.4);
    else if (unit == CPlotSize::Unit::Inches)
        std::snprintf(text, sizeof text, "%.1f", std::round(mm / 2.54) / 10);
    // A page under 1 mm (or 0.1 in) would otherwise read as nothing at all.
    else if (mm < 0.95)
        std::snprintf(text, sizeof text, "%.1f", mm);
    else
        std::snprintf(text, sizeof text, "%.0f", std::round(mm));
    return text;
}
}

CPlotSize::CPlotSize(double widthMm, double heightMm, int pages)
    : m_widthMm(std::isfinite(widthMm) ? widthMm : 0)
    , m_heightMm(std::isfinite(heightMm) ? heightMm : 0)
    , m_pages(pages)
{
    if (const SheetSize* sheet = IsKnown() ? CSheetSizes::Match(m_widthMm, m_heightMm) : nullptr)
        m_sheetName = sheet->name;
}

std::string CPlotSize::Format(Unit unit) const
{
    return Formatted(unit, " \u00d7 ", "\u2014");
}

std::string CPlotSize::FormatAscii(Unit unit) const
{
    return Formatted(unit, " x ", "-");
}

std::string CPlotSize::Formatted(Unit unit, const char* times, const char* none) const
{
    if (!IsKnown())
        return none;
    std::string text = Number(m_widthMm, unit) + times + Number(m_heightMm, unit);
    text += unit == Unit::Inches ? " in" : " mm";
    if (!m_sheetName.empty())
        text += " (" + m_sheetName + ")";
    if (m_pages > 1)
        text += ", " + std::to_string(m_pages) + " pages";
    return text;
}
