#include "CPlotSizeReader.h"

#include "CCalsSizeSource.h"
#include "CHpglSizeSource.h"
#include "CPostScriptSizeSource.h"
#include "CTiffSizeSource.h"

namespace {
// A side of kilometres is a damaged file or a slip of units, not a drawing
// any printer could take; the largest rolls are under 100 m long.
constexpr double kLongestSideMm = 100000;
}

CPlotSizeReader::CPlotSizeReader()
{
    m_sources[PlotFormat::Hpgl] = std::make_shared<CHpglSizeSource>();
    m_sources[PlotFormat::Tiff] = std::make_shared<CTiffSizeSource>();
    m_sources[PlotFormat::Cals] = std::make_shared<CCalsSizeSource>();
    m_sources[PlotFormat::PostScript] = std::make_shared<CPostScriptSizeSource>();
}

void CPlotSizeReader::SetSource(PlotFormat format, std::shared_ptr<const IPlotSizeSource> source)
{
    m_sources[format] = std::move(source);
}

PlotSizeResult CPlotSizeReader::Read(const std::string& path, const std::string& formatName) const
{
    return Read(path, PlotFormatOf(formatName));
}

PlotSizeResult CPlotSizeReader::Read(const std::string& path, PlotFormat format) const
{
    // These formats carry no size the program reads: no size, and no fault.
    if (format == PlotFormat::Cgm || format == PlotFormat::Mgl || format == PlotFormat::MvNative)
        return {};
    const auto found = m_sources.find(format);
    if (found == m_sources.end() || !found->second)
        return {{}, format == PlotFormat::Pdf ? "no reader for PDF" : "no reader for this data format"};
    PlotSizeResult read = found->second->ReadSize(path);
    if (read.size.WidthMm() > kLongestSideMm || read.size.HeightMm() > kLongestSideMm)
        return {{}, "drawing size over 100 m"};
    return read;
}
