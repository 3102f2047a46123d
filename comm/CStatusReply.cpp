#include "CStatusReply.h"

#include "CPrinterModels.h"

namespace {
constexpr const char* kConcluded = "211 Concluded";
constexpr const char* kVersionLabel = "S/W Version    : ";
constexpr const char* kPsPdf = "PS/PDF";

// The first character of the software version, as a signed byte, must reach
// '0' plus the minimum digit; compared as a difference, so that no minimum
// overflows and an absurd one lets no printer pass.
bool VersionPasses(const std::string& reply, std::size_t at, int minimumDigit)
{
    const signed char first = at < reply.size() ? static_cast<signed char>(reply[at]) : 0;
    return first - '0' >= minimumDigit;
}
}

std::optional<CStatusReply::Classification> CStatusReply::Classify(const std::string& received,
                                                                   const std::function<int()>& minimumVersionDigit)
{
    const std::string reply = received.substr(0, received.find('\0'));
    if (reply.find(kConcluded) == std::string::npos)
        return std::nullopt;
    const auto model = CPrinterModels::Find(reply);
    std::string controllerName = model ? CPrinterModels::GetFamily(*model) : CPrinterModels::kOthers;
    if (controllerName == CPrinterModels::kCorvid2nd) {
        const auto label = reply.find(kVersionLabel);
        if (label == std::string::npos)
            return std::nullopt;
        if (!VersionPasses(reply, label + std::char_traits<char>::length(kVersionLabel), minimumVersionDigit()))
            controllerName = CPrinterModels::kOthers;
    }
    return Classification{controllerName, reply.find(kPsPdf) != std::string::npos ? 1 : 0,
                          model ? CPrinterModels::GetNames()[*model] : ""};
}
