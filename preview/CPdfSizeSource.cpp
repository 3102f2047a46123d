#include "CPdfSizeSource.h"

#include "CPdfDocument.h"
#include "CPlotSizeReader.h"

#include <memory>

namespace {
constexpr double kMmPerPoint = 25.4 / 72.0;
}

PlotSizeResult CPdfSizeSource::ReadSize(const std::string& path) const
{
    const CPdfDocument document(path);
    if (!document.IsOpen())
        return {{}, document.Error()};
    const QSizeF points = document.FirstPageSize();
    if (points.width() <= 0 || points.height() <= 0)
        return {{}, "cannot read: page 1 of the PDF file has no size"};
    return {CPlotSize(points.width() * kMmPerPoint, points.height() * kMmPerPoint, document.PageCount()), {}};
}

void CPdfSizeSource::Install(CPlotSizeReader& reader)
{
    reader.SetSource(PlotFormat::Pdf, std::make_shared<CPdfSizeSource>());
}
