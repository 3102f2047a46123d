#pragma once

#include "CPlotSize.h"

#include <string>

// A size, or why it could not be read. A format without sizes gives no
// size and no failure.
struct PlotSizeResult {
    CPlotSize size;
    std::string failure;
    bool Ok() const { return failure.empty(); }
};

// Reads the size of one kind of plot file.
class IPlotSizeSource {
public:
    virtual ~IPlotSizeSource() = default;
    virtual PlotSizeResult ReadSize(const std::string& path) const = 0;
};
