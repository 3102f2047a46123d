#pragma once

#include "CGhostscript.h"
#include "IPlotSizeSource.h"

class CPlotSizeReader;

// The size of a PostScript file from its bounding box comment, else from
// what page 1 draws as Ghostscript's bbox device measures it, under the
// preview's time and memory limits.
class CGhostscriptSizeSource : public IPlotSizeSource {
public:
    explicit CGhostscriptSizeSource(CGhostscript ghostscript = CGhostscript());

    PlotSizeResult ReadSize(const std::string& path) const override;

    // Plugs a source into the reader for the PostScript format.
    static void Install(CPlotSizeReader& reader);

private:
    CGhostscript m_ghostscript;
};
