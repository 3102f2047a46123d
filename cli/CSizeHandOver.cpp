#include "CSizeHandOver.h"

#include "CContentRecogniser.h"
#include "CFormatTable.h"
#include "CSizeCommand.h"
#include "PlotFormat.h"

#include <algorithm>

CSizeHandOver::CSizeHandOver(const char* helper, const char* pictureHelper)
    : CHandOverCommand(CSizeCommand::kText, helper)
    , m_pictureHelper(pictureHelper)
{
}

// The format as size itself takes it: from the extension, through the
// same table, or for an unlisted one from the content.
std::string CSizeHandOver::Helper(const std::vector<std::string>& args) const
{
    const CFormatTable table = CFormatTable::Load();
    const bool anyPicture = std::any_of(args.begin(), args.end(), [&](const std::string& file) {
        const PlotFormat format = CContentRecogniser::NamedOrRecognised(table.FormatOf(file), file);
        return format == PlotFormat::Pdf || format == PlotFormat::PostScript;
    });
    return anyPicture ? m_pictureHelper : CHandOverCommand::Helper(args);
}
