#include "CRasterDecoder.h"

#include "CCalsHeader.h"
#include "CRasterScaler.h"
#include "CTiffHandle.h"
#include "CUserFile.h"

#include <sys/stat.h>

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {
constexpr double kMaxOutputPixels = 64e6;
constexpr std::uint64_t kMaxBandBytes = 64u << 20;

RasterResult Failure(const std::string& error)
{
    return {{}, error};
}

void Fit(std::uint32_t width, std::uint32_t height, int maxWidth, int maxHeight, int& outWidth, int& outHeight)
{
    double scale = std::sqrt(kMaxOutputPixels / (double(width) * height));
    if (maxWidth > 0)
        scale = std::min(scale, maxWidth / double(width));
    if (maxHeight > 0)
        scale = std::min(scale, maxHeight / double(height));
    scale = std::min(scale, 1.0);
    outWidth = std::max(1, static_cast<int>(std::lround(width * scale)));
    outHeight = std::max(1, static_cast<int>(std::lround(height * scale)));
}

double DotsPerInch(TIFF* tiff)
{
    float resolution = 0;
    std::uint16_t unit = RESUNIT_INCH;
    if (!TIFFGetField(tiff, TIFFTAG_XRESOLUTION, &resolution) || !std::isfinite(resolution) || resolution <= 0)
        return 0;
    TIFFGetFieldDefaulted(tiff, TIFFTAG_RESOLUTIONUNIT, &unit);
    return unit == RESUNIT_CENTIMETER ? resolution * 2.54 : (unit == RESUNIT_INCH ? resolution : 0);
}

// The CALS picture as seen: its lines run as the pel path says.
// Pictures that libtiff hands over a row at a time in a form the scaler
// takes: 1-bit or 8-bit grey, 8-bit RGB, in strips.
bool CanReadScanlines(TIFF* tiff)
{
    std::uint16_t bits = 1, samples = 1, photometric = 0, planar = PLANARCONFIG_CONTIG;
    TIFFGetFieldDefaulted(tiff, TIFFTAG_BITSPERSAMPLE, &bits);
    TIFFGetFieldDefaulted(tiff, TIFFTAG_SAMPLESPERPIXEL, &samples);
    TIFFGetFieldDefaulted(tiff, TIFFTAG_PLANARCONFIG, &planar);
    TIFFGetField(tiff, TIFFTAG_PHOTOMETRIC, &photometric);
    if (TIFFIsTiled(tiff) || (planar != PLANARCONFIG_CONTIG && samples > 1))
        return false;
    const bool grey = photometric <= PHOTOMETRIC_MINISBLACK && samples <= 2;
    return (bits == 1 && samples == 1 && grey) || (bits == 8 && (grey || (photometric == PHOTOMETRIC_RGB && samples >= 3)));
}

// The picture as seen, from rows stored as the TIFF Orientation tag says
// (1 as seen, 2 to 4 mirrored or upside down, 5 to 8 rows as columns).
RasterBitmap Oriented(const RasterBitmap& stored, std::uint16_t orientation)
{
    if (orientation <= ORIENTATION_TOPLEFT || orientation > ORIENTATION_LEFTBOT)
        return stored;
    RasterBitmap seen = stored;
    const bool sideways = orientation >= ORIENTATION_LEFTTOP;
    seen.width = sideways ? stored.height : stored.width;
    seen.height = sideways ? stored.width : stored.height;
    if (sideways)
        std::swap(seen.sourceWidth, seen.sourceHeight);
    const int w = stored.width, h = stored.height, channels = stored.channels;
    for (int y = 0; y < seen.height; ++y)
        for (int x = 0; x < seen.width; ++x) {
            int column = x, row = y;
            switch (orientation) {
            case ORIENTATION_TOPRIGHT: column = w - 1 - x; break;
            case ORIENTATION_BOTRIGHT: column = w - 1 - x; row = h - 1 - y; break;
            case ORIENTATION_BOTLEFT: row = h - 1 - y; break;
            case ORIENTATION_LEFTTOP: column = y; row = x; break;
            case ORIENTATION_RIGHTTOP: column = y; row = h - 1 - x; break;
            case ORIENTATION_RIGHTBOT: column = w - 1 - y; row = h - 1 - x; break;
            default: column = w - 1 - y; row = x; break;  // LEFTBOT
            }
            const auto from = (static_cast<std::size_t>(row) * w + column) * channels;
            const auto to = (static_cast<std::size_t>(y) * seen.width + x) * channels;
            std::copy_n(stored.pixels.begin() + static_cast<std::ptrdiff_t>(from), channels,
                        seen.pixels.begin() + static_cast<std::ptrdiff_t>(to));
        }
    return seen;
}

// A CALS pel path (the direction of its lines) as the TIFF orientation
// that stores a picture the same way.
std::uint16_t OrientationOfPelPath(std::uint32_t pelPath)
{
    switch (pelPath) {
    case 90: return ORIENTATION_LEFTBOT;
    case 180: return ORIENTATION_BOTRIGHT;
    case 270: return ORIENTATION_RIGHTTOP;
    default: return ORIENTATION_TOPLEFT;
    }
}
}

std::string CRasterDecoder::CheckSize(std::uint32_t width, std::uint32_t height) const
{
    if (width == 0 || height == 0 || width > m_limits.maxSide || height > m_limits.maxSide
        || std::uint64_t{width} * height > m_limits.maxPixels)
        return "a picture of " + std::to_string(width) + " x " + std::to_string(height) + " pixels is out of bounds";
    return {};
}

RasterResult CRasterDecoder::DecodeTiff(const std::string& path, int maxWidth, int maxHeight) const
{
    CTiffHandle tiff;
    if (!tiff.Open(path))
        return Failure("damaged TIFF file: " + tiff.Error());
    std::uint16_t orientation = ORIENTATION_TOPLEFT;
    TIFFGetFieldDefaulted(tiff.Get(), TIFFTAG_ORIENTATION, &orientation);
    const bool sideways = orientation >= ORIENTATION_LEFTTOP && orientation <= ORIENTATION_LEFTBOT;
    RasterResult result = Decode(tiff, sideways ? maxHeight : maxWidth, sideways ? maxWidth : maxHeight);
    if (!result.Ok())
        result.error = "damaged TIFF file: " + result.error;
    else
        result.bitmap = Oriented(result.bitmap, orientation);
    return result;
}

RasterResult CRasterDecoder::DecodeCals(const std::string& path, int maxWidth, int maxHeight) const
{
    const auto file = CUserFile::OpenStream(path);
    struct stat info {};
    if (!file || fstat(fileno(file.get()), &info) != 0)
        return Failure("cannot open " + path);
    const auto size = static_cast<std::uint64_t>(info.st_size);
    if (size > m_limits.maxFileBytes)
        return Failure("damaged CALS file: larger than " + std::to_string(m_limits.maxFileBytes) + " bytes");
    std::string data(static_cast<std::size_t>(size), '\0');
    data.resize(std::fread(data.data(), 1, data.size(), file.get()));
    return DecodeCalsData(data, maxWidth, maxHeight);
}

RasterResult CRasterDecoder::DecodeCalsData(std::string_view data, int maxWidth, int maxHeight) const
{
    CCalsHeader header;
    std::string error;
    if (!header.Parse(data, error))
        return Failure(error);
    if (error = CheckSize(header.PelsPerLine(), header.Lines()); !error.empty())
        return Failure("damaged CALS file: " + error);
    // libtiff decodes the Group 4 data once it is wrapped as a TIFF image.
    std::vector<std::uint8_t> image;
    CTiffHandle writer;
    if (writer.OpenMemory(image, "w")) {
        TIFF* t = writer.Get();
        TIFFSetField(t, TIFFTAG_IMAGEWIDTH, header.PelsPerLine());
        TIFFSetField(t, TIFFTAG_IMAGELENGTH, header.Lines());
        TIFFSetField(t, TIFFTAG_BITSPERSAMPLE, 1);
        TIFFSetField(t, TIFFTAG_SAMPLESPERPIXEL, 1);
        TIFFSetField(t, TIFFTAG_COMPRESSION, COMPRESSION_CCITTFAX4);
        TIFFSetField(t, TIFFTAG_PHOTOMETRIC, PHOTOMETRIC_MINISWHITE);
        TIFFSetField(t, TIFFTAG_ROWSPERSTRIP, header.Lines());
        TIFFSetField(t, TIFFTAG_RESOLUTIONUNIT, RESUNIT_INCH);
        TIFFSetField(t, TIFFTAG_XRESOLUTION, static_cast<float>(header.Density()));
        TIFFSetField(t, TIFFTAG_YRESOLUTION, static_cast<float>(header.Density()));
        const std::string_view g4 = data.substr(std::min(data.size(), CCalsHeader::kHeaderSize));
        TIFFWriteRawStrip(t, 0, const_cast<char*>(g4.data()), static_cast<tmsize_t>(g4.size()));
        writer.Close();
    }
    CTiffHandle reader;
    const bool turned = header.IsTurned();
    RasterResult result = writer.Error().empty() && reader.OpenMemory(image, "r")
                              ? Decode(reader, turned ? maxHeight : maxWidth, turned ? maxWidth : maxHeight)
                              : Failure(writer.Error().empty() ? reader.Error() : writer.Error());
    if (!result.Ok())
        result.error = "damaged CALS file: " + result.error;
    else
        result.bitmap = Oriented(result.bitmap, OrientationOfPelPath(header.PelPath()));
    return result;
}

RasterResult CRasterDecoder::Decode(CTiffHandle& tiff, int maxWidth, int maxHeight) const
{
    TIFF* t = tiff.Get();
    std::uint32_t width = 0, height = 0;
    std::uint16_t bits = 1, samples = 1, photometric = PHOTOMETRIC_MINISWHITE;
    TIFFGetField(t, TIFFTAG_IMAGEWIDTH, &width);
    TIFFGetField(t, TIFFTAG_IMAGELENGTH, &height);
    TIFFGetFieldDefaulted(t, TIFFTAG_BITSPERSAMPLE, &bits);
    TIFFGetFieldDefaulted(t, TIFFTAG_SAMPLESPERPIXEL, &samples);
    TIFFGetField(t, TIFFTAG_PHOTOMETRIC, &photometric);
    if (const std::string error = CheckSize(width, height); !error.empty())
        return Failure(error);
    int outWidth = 0, outHeight = 0;
    Fit(width, height, maxWidth, maxHeight, outWidth, outHeight);
    const bool grey = samples <= 2 && photometric <= PHOTOMETRIC_MINISBLACK;
    CRasterScaler scaler(width, height, outWidth, outHeight, grey ? 1 : 3);
    std::string error;
    // A warning (old-style JPEG, a short strip) still leaves a picture.
    const bool read = CanReadScanlines(t) ? ReadScanlines(t, scaler, error) : ReadBands(t, scaler, error);
    if (!read || !tiff.Error().empty())
        return Failure(!tiff.Error().empty() ? tiff.Error() : error);
    RasterResult result{scaler.Take(), {}};
    result.bitmap.dotsPerInch = DotsPerInch(t);
    return result;
}

bool CRasterDecoder::ReadScanlines(TIFF* tiff, CRasterScaler& scaler, std::string& error)
{
    std::uint32_t height = 0;
    std::uint16_t bits = 1, samples = 1, photometric = 0;
    TIFFGetField(tiff, TIFFTAG_IMAGELENGTH, &height);
    TIFFGetFieldDefaulted(tiff, TIFFTAG_BITSPERSAMPLE, &bits);
    TIFFGetFieldDefaulted(tiff, TIFFTAG_SAMPLESPERPIXEL, &samples);
    TIFFGetField(tiff, TIFFTAG_PHOTOMETRIC, &photometric);
    const bool whiteIsZero = photometric == PHOTOMETRIC_MINISWHITE;
    std::vector<std::uint8_t> row(static_cast<std::size_t>(TIFFScanlineSize64(tiff)));
    for (std::uint32_t y = 0; y < height; ++y) {
        if (row.empty() || TIFFReadScanline(tiff, row.data(), y, 0) < 0) {
            error = "row " + std::to_string(y) + " cannot be read";
            return false;
        }
        if (bits == 1) {
            scaler.AddBits(row.data(), whiteIsZero);
            continue;
        }
        if (whiteIsZero)
            for (std::uint8_t& sample : row)
                sample = static_cast<std::uint8_t>(255 - sample);
        scaler.AddRow(row.data(), samples);
    }
    return true;
}

bool CRasterDecoder::ReadBands(TIFF* tiff, CRasterScaler& scaler, std::string& error)
{
    char message[1024] = {};
    TIFFRGBAImage image;
    if (!TIFFRGBAImageOK(tiff, message) || !TIFFRGBAImageBegin(&image, tiff, 0, message)) {
        error = message;
        return false;
    }
    // Rows as stored: the caller turns the picture, the same for all paths.
    image.req_orientation = image.orientation;
    std::uint32_t band = 1;
    TIFFGetFieldDefaulted(tiff, TIFFIsTiled(tiff) ? TIFFTAG_TILELENGTH : TIFFTAG_ROWSPERSTRIP, &band);
    band = std::clamp<std::uint32_t>(band, 1, image.height);
    const bool fits = std::uint64_t{band} * image.width * 4 <= kMaxBandBytes;
    std::vector<std::uint32_t> raster(fits ? std::size_t{band} * image.width : 0);
    std::vector<std::uint8_t> row(std::size_t{image.width} * 3);
    bool read = fits;
    for (std::uint32_t y = 0; read && y < image.height; y += band) {
        const std::uint32_t rows = std::min(band, image.height - y);
        image.row_offset = static_cast<int>(y);
        read = TIFFRGBAImageGet(&image, raster.data(), image.width, rows) != 0;
        for (std::uint32_t r = 0; read && r < rows; ++r) {
            const std::uint32_t* pixel = &raster[std::size_t{r} * image.width];
            for (std::uint32_t x = 0; x < image.width; ++x) {
                row[3 * x] = static_cast<std::uint8_t>(TIFFGetR(pixel[x]));
                row[3 * x + 1] = static_cast<std::uint8_t>(TIFFGetG(pixel[x]));
                row[3 * x + 2] = static_cast<std::uint8_t>(TIFFGetB(pixel[x]));
            }
            scaler.AddRow(row.data(), 3);
        }
    }
    TIFFRGBAImageEnd(&image);
    if (!read)
        error = fits ? "cannot be decoded" : "strips too large to preview";
    return read;
}
