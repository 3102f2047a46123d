#pragma once

#include "IPlotSizeSource.h"
#include "PlotFormat.h"

#include <map>
#include <memory>
#include <string>

// Reads the size of a plot file of a named data format. HP-GL, TIFF, CALS
// and PostScript are read here; a reader for another format (PDF) is
// plugged in with SetSource, and without one the format has "no reader".
class CPlotSizeReader {
public:
    CPlotSizeReader();

    void SetSource(PlotFormat format, std::shared_ptr<const IPlotSizeSource> source);
    PlotSizeResult Read(const std::string& path, const std::string& formatName) const;
    PlotSizeResult Read(const std::string& path, PlotFormat format) const;

private:
    std::map<PlotFormat, std::shared_ptr<const IPlotSizeSource>> m_sources;
};
