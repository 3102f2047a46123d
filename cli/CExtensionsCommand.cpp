#include "CExtensionsCommand.h"

#include "CConsoleMessageSink.h"
#include "CExtensionConfig.h"
#include "CFormatExtensionList.h"
#include "CFormatTable.h"
#include "CFormatsCommand.h"
#include "ResourceIds.h"

#include <algorithm>
#include <iostream>

int CExtensionsCommand::List(const std::vector<std::string>& parts)
{
    if (parts.empty())
        return CFormatsCommand().Run({});
    const CFormatTable table = CFormatTable::Load();
    const auto format = FindFormat(table, parts.front());
    if (format)
        CFormatsCommand::PrintFormat(table, *format);
    return format ? kExitOk : kExitFailed;
}

std::optional<CListCommand::Opened> CExtensionsCommand::Open(const std::string& part)
{
    auto list = std::make_unique<CFormatExtensionList>(CFormatExtensionList::Load());
    const CFormatTable table(list->GetFormats(), list->GetExtensionTexts(), {});
    const auto format = FindFormat(table, part);
    if (!format)
        return std::nullopt;
    list->ChooseFormat(table.Formats()[*format]);
    return Opened{std::move(list), ResId::kMissingExtensionMessage, CExtensionConfig::GetWritePath()};
}

std::optional<std::size_t> CExtensionsCommand::FindFormat(const CFormatTable& table, const std::string& format) const
{
    const auto spelt = table.FindFormat(format);
    if (!spelt) {
        std::cerr << CConsoleMessageSink::kPrefix << Name() << ": " << format
                  << " is not one of the data formats: " << CFormatsCommand::FormatNames(table) << '\n';
        return std::nullopt;
    }
    return static_cast<std::size_t>(std::find(table.Formats().begin(), table.Formats().end(), *spelt) -
                                    table.Formats().begin());
}
