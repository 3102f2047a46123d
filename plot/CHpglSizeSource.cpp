#include "CHpglSizeSource.h"

PlotSizeResult CHpglSizeSource::ReadSize(const std::string& path) const
{
    const HpglParseResult parsed = m_parser.ParseFile(path);
    if (!parsed.Ok())
        return {{}, parsed.error};
    const CHpglDrawing& drawing = parsed.drawing;
    // A file that draws nothing has no size; that is no damage.
    return {CPlotSize(drawing.WidthMm(), drawing.HeightMm(), parsed.pages), {}};
}
