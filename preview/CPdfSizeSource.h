#pragma once

#include "IPlotSizeSource.h"

class CPlotSizeReader;

// The size of a PDF file for the core's size reader, which cannot read
// PDF itself: page 1's size (its rotation applied) and the page count.
class CPdfSizeSource : public IPlotSizeSource {
public:
    PlotSizeResult ReadSize(const std::string& path) const override;

    // Plugs a source into the reader for the PDF format.
    static void Install(CPlotSizeReader& reader);
};
