#include "CNamesCommand.h"

#include "ResourceIds.h"

#include <iostream>

CNamesCommand::CNamesCommand(CNameList::Kind kind)
    : m_kind(kind)
{
}

std::string CNamesCommand::Name() const
{
    return m_kind == CNameList::Kind::Owner ? "owners" : "printers";
}

int CNamesCommand::List(const std::vector<std::string>&)
{
    const CNameList list(m_kind, CUserConfig::Default());
    for (const std::string& name : list.GetEntries())
        std::cout << name << '\n';
    return kExitOk;
}

std::optional<CListCommand::Opened> CNamesCommand::Open(const std::string&)
{
    const CUserConfig config = CUserConfig::Default();
    const unsigned missingId =
        m_kind == CNameList::Kind::Owner ? ResId::kMissingOwnerMessage : ResId::kMissingPrinterMessage;
    return Opened{std::make_unique<CNameList>(m_kind, config), missingId, config.GetPath()};
}
