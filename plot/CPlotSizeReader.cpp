#include "CPlotSizeReader.h"

CPlotSizeReader::CPlotSizeReader() = default;

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
    const auto found = m_sources.find(format);
    if (found == m_sources.end())
        return {{}, "no reader"};
    return found->second->ReadSize(path);
}
