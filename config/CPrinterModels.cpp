#include "CPrinterModels.h"

namespace {
constexpr std::size_t kHeronModels = 2;
}

const std::vector<std::string>& CPrinterModels::GetNames()
{
    static const std::vector<std::string> names = {"PlotraK1", "MAROVIA K1E", "PlotraK2",
                                                   "MAROVIA K2E", "PlotraK5", "LXK4"};
    return names;
}

std::string CPrinterModels::GetFamily(std::size_t index)
{
    if (index < kHeronModels)
        return kHeron;
    return index < GetNames().size() ? kCorvid2nd : kOthers;
}

std::optional<std::size_t> CPrinterModels::Find(const std::string& reply)
{
    const auto& names = GetNames();
    for (std::size_t i = 0; i < names.size(); ++i)
        if (reply.find(names[i]) != std::string::npos)
            return i;
    return std::nullopt;
}
