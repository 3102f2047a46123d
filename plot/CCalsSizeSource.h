#pragma once

#include "IPlotSizeSource.h"

// The size of a CALS raster file from its header's pel count and density.
class CCalsSizeSource : public IPlotSizeSource {
public:
    PlotSizeResult ReadSize(const std::string& path) const override;
};
