#include "CPreviewSize.h"

#include <algorithm>
#include <cmath>

std::optional<QSize> CPreviewSize::Fit(double pageWidth, double pageHeight, int width)
{
    if (!IsValidWidth(width) || !std::isfinite(pageWidth) || !std::isfinite(pageHeight) || pageWidth <= 0 ||
        pageHeight <= 0)
        return std::nullopt;
    const double height = width * pageHeight / pageWidth;
    if (height <= kMaxSide)
        return QSize(width, std::max(1, static_cast<int>(std::lround(height))));
    const double narrower = width * kMaxSide / height;
    return QSize(std::max(1, static_cast<int>(std::lround(narrower))), kMaxSide);
}
