#include "CFuzzFile.h"
#include "CHpglParser.h"
#include "PropertyBroken.h"

#include <cmath>
#include <string>

// Any input parses within its bounds to a drawing whose records stay inside
// its arrays and whose numbers are finite; a file reads as the buffer does.
namespace {
void RequireFinite(const PlotBox& box, const char* what)
{
    if (!box.IsEmpty() && !(std::isfinite(box.Width()) && std::isfinite(box.Height())))
        PropertyBroken(std::string(what) + " not finite");
}

void RequireConsistent(const CHpglDrawing& drawing)
{
    for (const auto& line : drawing.Polylines())
        if (line.count < 2 || std::size_t{line.first} + line.count > drawing.Points().size())
            PropertyBroken("polyline outside the points");
    for (const auto& line : drawing.Polylines()) {
        const CHpglDrawing::RasterPattern* pattern = drawing.PatternOf(line.flags);
        if ((line.flags & CHpglDrawing::kPatterned) &&
            (pattern == nullptr || pattern->pens.size() != std::size_t{pattern->width} * pattern->height ||
             pattern->pens.empty()))
            PropertyBroken("fill pattern missing or of the wrong size");
    }
    for (const auto& label : drawing.Labels())
        if (drawing.LabelText(label).size() != label.textLength || !std::isfinite(label.directionRadians))
            PropertyBroken("label text outside the labels' text");
    RequireFinite(drawing.Extents(), "extents");
    RequireFinite(drawing.Frame(), "frame");
}
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static CFuzzFile file;
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    CHpglParser::Limits limits;
    limits.maxPoints = 2'000'000;
    limits.maxSeconds = 2;
    const CHpglParser parser(limits);
    const HpglParseResult parsed = parser.Parse(bytes);
    if (!parsed.Ok() && parsed.error.rfind("damaged HP-GL file: ", 0) != 0)
        PropertyBroken("error without its reason: " + parsed.error);
    RequireConsistent(parsed.drawing);
    file.Write(bytes);
    const HpglParseResult read = parser.ParseFile(file.Path());
    if (read.error != parsed.error || read.drawing.Points().size() != parsed.drawing.Points().size())
        PropertyBroken("file and buffer differ");
    return 0;
}
