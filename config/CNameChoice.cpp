#include "CNameChoice.h"

#include "CLogonName.h"
#include "CRegistryValues.h"
#include "CUserConfig.h"

#include <algorithm>

namespace {
// Index of the first exact (case-sensitive) match, or -1.
int IndexOf(const std::vector<std::string>& names, const std::string& name)
{
    const auto found = std::find(names.begin(), names.end(), name);
    return found == names.end() ? -1 : static_cast<int>(found - names.begin());
}

int RememberedOrFirst(const std::vector<std::string>& names, const std::string& remembered)
{
    if (names.empty())
        return -1;
    const int index = remembered.empty() ? -1 : IndexOf(names, remembered);
    return index < 0 ? 0 : index;
}
}

std::string CNameChoice::SelectedName() const
{
    return selected < 0 ? std::string() : names[static_cast<std::size_t>(selected)];
}

CNameChoice CNameChoice::ForOwners(std::vector<std::string> ownerNames, const std::string& logonName,
                                   const std::string& rememberedOwner)
{
    CNameChoice choice{std::move(ownerNames), -1};
    // Without a known logon name there is nothing to add: an empty owner
    // would only be refused at the send.
    if (!logonName.empty() && IndexOf(choice.names, logonName) < 0) {
        choice.names.push_back(logonName);
        choice.selected = static_cast<int>(choice.names.size()) - 1;
        return choice;
    }
    choice.selected = RememberedOrFirst(choice.names, rememberedOwner);
    return choice;
}

CNameChoice CNameChoice::ForPrinters(std::vector<std::string> printerNames, const std::string& rememberedPrinter)
{
    CNameChoice choice{std::move(printerNames), -1};
    choice.selected = RememberedOrFirst(choice.names, rememberedPrinter);
    return choice;
}

CNameChoice CNameChoice::LoadOwnerNames(const CUserConfig& config)
{
    return ForOwners(config.ReadOwnerNames(), CLogonName::Get(), CRegistryValues::ReadOwnerName());
}

CNameChoice CNameChoice::LoadPrinterNames(const CUserConfig& config)
{
    return ForPrinters(config.ReadPrinterNames(), CRegistryValues::ReadPrinterName());
}
