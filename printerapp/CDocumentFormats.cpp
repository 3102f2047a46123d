#include "CDocumentFormats.h"

#include "CContentRecogniser.h"
#include "CFormatTable.h"

namespace {
struct Entry {
    PlotFormat kind;
    const char* mimeType;
};

constexpr Entry kEntries[] = {
    {PlotFormat::Pdf, CDocumentFormats::kPdf},   {PlotFormat::PostScript, CDocumentFormats::kPostScript},
    {PlotFormat::Hpgl, CDocumentFormats::kHpgl}, {PlotFormat::Tiff, CDocumentFormats::kTiff},
    {PlotFormat::Cals, CDocumentFormats::kCals},
};
}

const char* CDocumentFormats::MimeTypeOf(PlotFormat kind)
{
    for (const Entry& entry : kEntries)
        if (entry.kind == kind)
            return entry.mimeType;
    return nullptr;
}

PlotFormat CDocumentFormats::KindOf(const std::string& mimeType)
{
    for (const Entry& entry : kEntries)
        if (mimeType == entry.mimeType)
            return entry.kind;
    return PlotFormat::Unknown;
}

std::string CDocumentFormats::ContentTypeOf(const std::string& path, const std::string& declared)
{
    const char* shown = MimeTypeOf(CContentRecogniser::RecogniseFile(path));
    return shown ? shown : declared;
}

std::optional<std::string> CDocumentFormats::DataFormatOf(const CFormatTable& table, const std::string& mimeType)
{
    const PlotFormat kind = KindOf(mimeType);
    if (kind == PlotFormat::Unknown)
        return std::nullopt;
    for (const std::string& format : table.Formats())
        if (PlotFormatOf(format) == kind)
            return format;
    return std::nullopt;
}
