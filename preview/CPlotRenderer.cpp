#include "CPlotRenderer.h"

#include "CHpglPainter.h"
#include "CHpglParser.h"
#include "CPdfDocument.h"
#include "CPlotSizeReader.h"
#include "CRasterDecoder.h"
#include "CReadableFile.h"

#include <cstring>
#include <utility>

namespace {
constexpr double kPointsPerMm = 72.0 / 25.4;

QImage ImageOf(const RasterBitmap& bitmap)
{
    const QImage::Format format = bitmap.channels == 3 ? QImage::Format_RGB888 : QImage::Format_Grayscale8;
    QImage image(bitmap.width, bitmap.height, format);
    const auto rowBytes = static_cast<std::size_t>(bitmap.BytesPerLine());
    for (int y = 0; y < bitmap.height; ++y)
        std::memcpy(image.scanLine(y), bitmap.pixels.data() + y * rowBytes, rowBytes);
    return image;
}
}

CPlotRenderer::CPlotRenderer(CGhostscript ghostscript) : m_ghostscript(std::move(ghostscript)) {}

CPreviewResult CPlotRenderer::Render(const std::string& path, const std::string& formatName, int width,
                                     std::stop_token stop) const
{
    return Render(path, PlotFormatOf(formatName), width, std::move(stop));
}

CPreviewResult CPlotRenderer::Render(const std::string& path, PlotFormat format, int width,
                                     std::stop_token stop) const
{
    if (!CPreviewSize::IsValidWidth(width))
        return CPreviewResult::Failed("cannot render: the width must be " + std::to_string(CPreviewSize::kMinWidth) +
                                      " to " + std::to_string(CPreviewSize::kMaxSide) + " pixels");
    if (format == PlotFormat::Cgm || format == PlotFormat::Mgl || format == PlotFormat::MvNative ||
        format == PlotFormat::Unknown)
        return CPreviewResult::NoPreview("no preview for this format");
    if (stop.stop_requested())
        return CPreviewResult::Cancelled();
    if (const std::string why = CReadableFile::WhyNot(path); !why.empty())
        return CPreviewResult::Failed(why);
    CPreviewResult result = Dispatch(path, format, width, stop);
    return stop.stop_requested() ? CPreviewResult::Cancelled() : result;
}

CPreviewResult CPlotRenderer::Dispatch(const std::string& path, PlotFormat format, int width,
                                       std::stop_token stop) const
{
    switch (format) {
    case PlotFormat::Hpgl:
        return RenderHpgl(path, width, stop);
    case PlotFormat::Tiff:
    case PlotFormat::Cals:
        return RenderRaster(path, format, width);
    case PlotFormat::Pdf:
        return RenderPdf(path, width, stop);
    case PlotFormat::PostScript:
        return RenderPostScript(path, width, stop);
    default:
        return CPreviewResult::NoPreview("no preview for this format");
    }
}

CPreviewResult CPlotRenderer::RenderHpgl(const std::string& path, int width, std::stop_token stop)
{
    const HpglParseResult parsed = CHpglParser().ParseFile(path);
    if (!parsed.Ok())
        return CPreviewResult::Failed(CReadableFile::CannotRead(parsed.error));
    if (parsed.drawing.IsEmpty() && !parsed.drawing.HasPage())
        return CPreviewResult::NoPreview("no preview: the HP-GL file draws nothing");
    const PlotBox frame = CHpglPainter::FrameOf(parsed.drawing);
    const auto size = CPreviewSize::Fit(frame.Width(), frame.Height(), width);
    if (!size)
        return CPreviewResult::Failed("cannot render: the drawing has no area");
    QImage image = CHpglPainter(parsed.drawing, *size).Paint(stop);
    return image.isNull() ? CPreviewResult::Cancelled() : CPreviewResult::Rendered(std::move(image));
}

// The core decodes the first page no larger than the box, averaging as it
// goes; a picture smaller than the width asked for is scaled up.
CPreviewResult CPlotRenderer::RenderRaster(const std::string& path, PlotFormat format, int width)
{
    const CRasterDecoder decoder;
    const RasterResult decoded = format == PlotFormat::Tiff ? decoder.DecodeTiff(path, width, CPreviewSize::kMaxSide)
                                                            : decoder.DecodeCals(path, width, CPreviewSize::kMaxSide);
    if (!decoded.Ok())
        return CPreviewResult::Failed(CReadableFile::CannotRead(decoded.error));
    const auto size = CPreviewSize::Fit(decoded.bitmap.width, decoded.bitmap.height, width);
    if (!size || decoded.bitmap.pixels.size() < static_cast<std::size_t>(decoded.bitmap.BytesPerLine()) *
                                                    static_cast<std::size_t>(decoded.bitmap.height))
        return CPreviewResult::Failed("cannot read: the picture has no pixels");
    QImage image = ImageOf(decoded.bitmap);
    if (image.size() != *size)
        image = image.scaled(*size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return CPreviewResult::Rendered(std::move(image));
}

CPreviewResult CPlotRenderer::RenderPdf(const std::string& path, int width, std::stop_token stop)
{
    const CPdfDocument document(path);
    if (!document.IsOpen())
        return CPreviewResult::Failed(document.Error());
    const QSizeF page = document.FirstPageSize();
    const auto size = CPreviewSize::Fit(page.width(), page.height(), width);
    if (!size)
        return CPreviewResult::Failed("cannot read: page 1 of the PDF file has no size");
    QImage image = document.RenderFirstPage(*size, stop);
    if (image.isNull())
        return stop.stop_requested() ? CPreviewResult::Cancelled()
                                     : CPreviewResult::Failed("cannot render: damaged PDF file");
    return CPreviewResult::Rendered(std::move(image));
}

// The core reads the drawing's bounding box, which Ghostscript then crops
// the page to; a file without one is drawn as a whole page.
CPreviewResult CPlotRenderer::RenderPostScript(const std::string& path, int width, std::stop_token stop) const
{
    const PlotSizeResult read = CPlotSizeReader().Read(path, PlotFormat::PostScript);
    std::optional<QSizeF> box;
    if (read.Ok() && read.size.IsKnown())
        box = QSizeF(read.size.WidthMm() * kPointsPerMm, read.size.HeightMm() * kPointsPerMm);
    return m_ghostscript.Render(path, box, width, stop);
}
