#include "CCalsSizeSource.h"

#include "CCalsHeader.h"

PlotSizeResult CCalsSizeSource::ReadSize(const std::string& path) const
{
    CCalsHeader header;
    std::string error;
    if (!header.ReadFile(path, error))
        return {{}, error};
    return {CPlotSize(header.WidthMm(), header.HeightMm()), {}};
}
