#include "CHpglRasterFills.h"

#include <algorithm>
#include <cmath>

namespace {
// Larger than any pattern a device takes, small enough that each fill may
// keep its own copy.
constexpr double kMaxSide = 64;
}

// The place of a pattern index, or none.
std::optional<std::size_t> CHpglRasterFills::Slot(double index) const
{
    if (!(index >= 1 && index <= static_cast<double>(m_patterns.size())) || index != std::floor(index))
        return std::nullopt;
    return static_cast<std::size_t>(index) - 1;
}

void CHpglRasterFills::Define(CHpglScanner& scanner)
{
    double index = 0, width = 0, height = 0;
    if (!scanner.Number(index))
        return Clear();
    const bool sized = scanner.Number(width) && scanner.Number(height);
    const std::optional<std::size_t> slot = Slot(index);
    if (slot)
        m_patterns[*slot] = {};
    if (!slot || !sized || !(width >= 1 && width <= kMaxSide && height >= 1 && height <= kMaxSide))
        return scanner.SkipParameters();
    CHpglDrawing::RasterPattern& pattern = m_patterns[*slot];
    pattern.width = static_cast<std::uint8_t>(width);
    pattern.height = static_cast<std::uint8_t>(height);
    pattern.pens.assign(static_cast<std::size_t>(pattern.width) * pattern.height, 0);
    double pen = 0;
    for (std::size_t i = 0; scanner.Number(pen);)
        if (i < pattern.pens.size())
            pattern.pens[i++] = static_cast<std::uint8_t>(std::clamp(std::round(pen), 0.0, 255.0));
}

const CHpglDrawing::RasterPattern* CHpglRasterFills::Find(double index) const
{
    const std::optional<std::size_t> slot = Slot(index);
    return slot && !m_patterns[*slot].pens.empty() ? &m_patterns[*slot] : nullptr;
}
