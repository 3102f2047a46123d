#pragma once

#include "RasterBitmap.h"

#include <cstdint>
#include <string>
#include <string_view>

class CTiffHandle;
struct tiff;
typedef struct tiff TIFF;
class CRasterScaler;

// Decodes the first page of a TIFF or CALS file through libtiff, one strip
// or band at a time, averaging into a bitmap no larger than the box asked
// for: a sheet of 400 dpi never needs its full bitmap in memory.
class CRasterDecoder {
public:
    struct Limits {
        std::uint32_t maxSide = 1'000'000;            // pixels
        std::uint64_t maxPixels = 4'000'000'000ull;
        std::uint64_t maxFileBytes = 1ull << 30;
    };

    CRasterDecoder() = default;
    explicit CRasterDecoder(const Limits& limits) : m_limits(limits) {}

    // The bitmap fits maxWidth x maxHeight (0: no bound on that side) and
    // is never larger than the picture.
    RasterResult DecodeTiff(const std::string& path, int maxWidth, int maxHeight = 0) const;
    RasterResult DecodeCals(const std::string& path, int maxWidth, int maxHeight = 0) const;
    // A CALS file already in memory: its 2048-byte header and Group 4 data.
    RasterResult DecodeCalsData(std::string_view data, int maxWidth, int maxHeight = 0) const;

private:
    RasterResult Decode(CTiffHandle& tiff, int maxWidth, int maxHeight) const;
    std::string CheckSize(std::uint32_t width, std::uint32_t height) const;
    static bool ReadScanlines(TIFF* tiff, CRasterScaler& scaler, std::string& error);
    static bool ReadBands(TIFF* tiff, CRasterScaler& scaler, std::string& error);

    Limits m_limits;
};
