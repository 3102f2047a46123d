#pragma once

#include "IPlotSizeSource.h"

// The size of a TIFF image from its first page's pixels and resolution.
// An image that states no resolution in inches or centimetres has no size
// in mm: it says so, naming its pixels, rather than guess a resolution.
class CTiffSizeSource : public IPlotSizeSource {
public:
    PlotSizeResult ReadSize(const std::string& path) const override;
};
