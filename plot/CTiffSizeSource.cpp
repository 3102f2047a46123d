#include "CTiffSizeSource.h"

#include "CTiffHandle.h"

#include <cmath>

namespace {
constexpr double kMmPerInch = 25.4;

// Pixels per mm in one direction; 0 where the image does not say.
double PixelsPerMm(TIFF* tiff, ttag_t tag)
{
    float resolution = 0;
    std::uint16_t unit = RESUNIT_INCH;
    if (!TIFFGetField(tiff, tag, &resolution) || !std::isfinite(resolution) || resolution <= 0)
        return 0;
    TIFFGetFieldDefaulted(tiff, TIFFTAG_RESOLUTIONUNIT, &unit);
    if (unit == RESUNIT_CENTIMETER)
        return resolution / 10.0;
    return unit == RESUNIT_INCH ? resolution / kMmPerInch : 0;
}
}

PlotSizeResult CTiffSizeSource::ReadSize(const std::string& path) const
{
    CTiffHandle tiff;
    if (!tiff.Open(path))
        return {{}, "damaged TIFF file: " + tiff.Error()};
    TIFF* t = tiff.Get();
    std::uint32_t width = 0, height = 0;
    std::uint16_t orientation = ORIENTATION_TOPLEFT;
    TIFFGetField(t, TIFFTAG_IMAGEWIDTH, &width);
    TIFFGetField(t, TIFFTAG_IMAGELENGTH, &height);
    TIFFGetFieldDefaulted(t, TIFFTAG_ORIENTATION, &orientation);
    const double across = PixelsPerMm(t, TIFFTAG_XRESOLUTION);
    double down = PixelsPerMm(t, TIFFTAG_YRESOLUTION);
    down = down > 0 ? down : across;
    if (width == 0 || height == 0)
        return {{}, "damaged TIFF file: no image size"};
    if (across <= 0)
        return {{}, "no resolution in the TIFF file (" + std::to_string(width) + " x " + std::to_string(height)
                        + " pixels)"};
    double widthMm = width / across, heightMm = height / down;
    // Orientations 5 to 8 store the rows as columns.
    if (orientation >= ORIENTATION_LEFTTOP)
        std::swap(widthMm, heightMm);
    return {CPlotSize(widthMm, heightMm, static_cast<int>(TIFFNumberOfDirectories(t))), {}};
}
