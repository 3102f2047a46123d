#include "CRasterDecoder.h"

RasterResult CRasterDecoder::DecodeTiff(const std::string&, int, int) const
{
    return {{}, "not decoded yet"};
}

RasterResult CRasterDecoder::DecodeCals(const std::string&, int, int) const
{
    return {{}, "not decoded yet"};
}

RasterResult CRasterDecoder::DecodeCalsData(std::string_view, int, int) const
{
    return {{}, "not decoded yet"};
}
