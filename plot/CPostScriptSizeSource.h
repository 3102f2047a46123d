#pragma once

#include "IPlotSizeSource.h"

#include <string>
#include <string_view>

// The size of a PostScript or EPS file from its %%HiResBoundingBox or
// %%BoundingBox comment (in points), looked for at the head of the file
// and, for "(atend)", in its trailer.
class CPostScriptSizeSource : public IPlotSizeSource {
public:
    static constexpr const char* kNoBoundingBox = "no %%BoundingBox comment in the PostScript file";

    PlotSizeResult ReadSize(const std::string& path) const override;
    // The same for the text of a file's head and trailer.
    static PlotSizeResult SizeOf(std::string_view head, std::string_view trailer);
};
