#include "CCalsHeader.h"
#include "CRasterDecoder.h"
#include "PropertyBroken.h"

#include <cmath>
#include <string>

// Any header reads to a positive size or a reason; any small picture
// decodes to a bitmap of the size asked for, or a reason.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    CCalsHeader header;
    std::string error;
    if (!header.Parse(bytes, error)) {
        if (error.rfind("damaged CALS file: ", 0) != 0)
            PropertyBroken("error without its reason: " + error);
        return 0;
    }
    if (!(header.WidthMm() > 0 && header.HeightMm() > 0 && std::isfinite(header.WidthMm() * header.HeightMm())))
        PropertyBroken("no size");
    CRasterDecoder::Limits limits;
    limits.maxSide = 4096;
    limits.maxPixels = 4'000'000;
    const RasterResult result = CRasterDecoder(limits).DecodeCalsData(bytes, 64, 64);
    const RasterBitmap& bitmap = result.bitmap;
    if (result.Ok() && (bitmap.width < 1 || bitmap.width > 64 || bitmap.height < 1 || bitmap.height > 64
                        || bitmap.pixels.size() != std::size_t(bitmap.width) * bitmap.height))
        PropertyBroken("bitmap of the wrong size");
    if (!result.Ok() && result.error.rfind("damaged CALS file: ", 0) != 0)
        PropertyBroken("error without its reason: " + result.error);
    return 0;
}
