#include "CGhostscriptSizeSource.h"

#include "CPlotSizeReader.h"
#include "CPostScriptSizeSource.h"

#include <memory>
#include <utility>

namespace {
constexpr double kMmPerPoint = 25.4 / 72.0;
}

CGhostscriptSizeSource::CGhostscriptSizeSource(CGhostscript ghostscript) : m_ghostscript(std::move(ghostscript)) {}

PlotSizeResult CGhostscriptSizeSource::ReadSize(const std::string& path) const
{
    PlotSizeResult commented = CPostScriptSizeSource().ReadSize(path);
    if (commented.Ok() || commented.failure != CPostScriptSizeSource::kNoBoundingBox)
        return commented;
    std::string error;
    const auto box = m_ghostscript.MeasureBoundingBox(path, error);
    if (!box)
        return {{}, error};
    return {CPlotSize(box->width() * kMmPerPoint, box->height() * kMmPerPoint), {}};
}

void CGhostscriptSizeSource::Install(CPlotSizeReader& reader)
{
    reader.SetSource(PlotFormat::PostScript, std::make_shared<CGhostscriptSizeSource>());
}
