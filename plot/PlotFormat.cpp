#include "PlotFormat.h"

#include <algorithm>
#include <string_view>

namespace {
struct FormatName {
    std::string_view name;
    PlotFormat format;
};

// Names compared after dropping everything but letters and digits, so
// "HP-GL/2", "hpgl2" and "HPGL" all read as HP-GL.
constexpr FormatName kNames[] = {
    {"HPGL", PlotFormat::Hpgl},         {"HPGL2", PlotFormat::Hpgl},  {"TIFF", PlotFormat::Tiff},
    {"TIF", PlotFormat::Tiff},          {"CALS", PlotFormat::Cals},   {"POSTSCRIPT", PlotFormat::PostScript},
    {"PS", PlotFormat::PostScript},     {"EPS", PlotFormat::PostScript}, {"PDF", PlotFormat::Pdf},
    {"CGM", PlotFormat::Cgm},           {"MVNATIVE", PlotFormat::MvNative},
};

std::string Letters(std::string_view name)
{
    std::string letters;
    for (const char c : name) {
        if (c >= 'a' && c <= 'z')
            letters += static_cast<char>(c - 'a' + 'A');
        else if ((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9'))
            letters += c;
    }
    return letters;
}
}

PlotFormat PlotFormatOf(const std::string& formatName)
{
    // "MGL(0.01 mm/unit)" and "MGL(0.025 mm/unit)" differ only in unit.
    const std::string_view base(formatName.data(), std::min(formatName.find('('), formatName.size()));
    const std::string letters = Letters(base);
    if (letters == "MGL")
        return PlotFormat::Mgl;
    for (const FormatName& known : kNames)
        if (known.name == letters)
            return known.format;
    return PlotFormat::Unknown;
}
