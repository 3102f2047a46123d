#pragma once

#include <QSize>

#include <optional>

// The pixel size of a preview: the width asked for and the height from the
// page's aspect ratio, within bounds that keep a picture's memory small
// (at most 8192 x 8192 pixels, 64 MiB in 8-bit grey).
class CPreviewSize {
public:
    static constexpr int kDefaultWidth = 1024;
    static constexpr int kMinWidth = 16;
    static constexpr int kMaxSide = 8192;

    static bool IsValidWidth(int width) { return width >= kMinWidth && width <= kMaxSide; }
    // A page too tall for the width is fitted into the largest height,
    // narrower; nothing for a width out of bounds or a page without area.
    static std::optional<QSize> Fit(double pageWidth, double pageHeight, int width);
};
