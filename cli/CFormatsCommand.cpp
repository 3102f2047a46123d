#include "CFormatsCommand.h"

#include "CArguments.h"
#include "CFormatTable.h"

#include <iostream>

namespace {
void PrintFormats(const CFormatTable& table)
{
    for (std::size_t format = 0; format < table.Formats().size(); ++format) {
        std::cout << table.Formats()[format] << '\t';
        const char* separator = "";
        for (const auto& extension : table.ExtensionsOf(format)) {
            std::cout << separator << extension;
            separator = " ";
        }
        std::cout << '\n';
    }
}
}

std::string CFormatsCommand::Usage() const
{
    return "formats [FILE...]";
}

int CFormatsCommand::Run(const std::vector<std::string>& args)
{
    const CArguments arguments(args, {}, {});
    if (!arguments.Ok())
        return arguments.ReportUsage(*this);
    const CFormatTable table = CFormatTable::Load();
    if (arguments.Operands().empty())
        PrintFormats(table);
    for (const auto& file : arguments.Operands())
        std::cout << file << '\t' << table.FormatOf(file) << '\n';
    return kExitOk;
}
