#include "CFormatsCommand.h"

#include "CArguments.h"
#include "CFormatTable.h"

#include <iostream>

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
        for (std::size_t format = 0; format < table.Formats().size(); ++format)
            PrintFormat(table, format);
    for (const auto& file : arguments.Operands())
        std::cout << file << '\t' << table.FormatOf(file) << '\n';
    return kExitOk;
}

void CFormatsCommand::PrintFormat(const CFormatTable& table, std::size_t format)
{
    std::cout << table.Formats()[format] << '\t';
    const char* separator = "";
    for (const auto& extension : table.ExtensionsOf(format)) {
        std::cout << separator << extension;
        separator = " ";
    }
    std::cout << '\n';
}

std::string CFormatsCommand::FormatNames(const CFormatTable& table)
{
    std::string names;
    for (const auto& name : table.Formats())
        names += (names.empty() ? "" : ", ") + name;
    return names;
}
