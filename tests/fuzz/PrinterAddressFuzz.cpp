#include "CPrinterAddress.h"
#include "PropertyBroken.h"

// Any printer name parses without fault into a host and a port from 1 to
// 65535, or into nothing; the address written back parses to itself.
namespace {
std::string Written(const CPrinterAddress& address)
{
    const std::string& host = address.GetHost();
    const bool bracketed = host.find(':') != std::string::npos;
    return (bracketed ? "[" + host + "]" : host) + ":" + std::to_string(address.GetPort());
}
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    const auto address = CPrinterAddress::Parse(text);
    if (!address)
        return 0;
    const auto again = CPrinterAddress::Parse(Written(*address));
    if (address->GetHost().empty() || address->GetPort() == 0 || !again || again->GetHost() != address->GetHost() ||
        again->GetPort() != address->GetPort())
        PropertyBroken("\"" + text + "\" read as \"" + Written(*address) + "\"");
    return 0;
}
