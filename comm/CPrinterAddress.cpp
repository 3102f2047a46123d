#include "CPrinterAddress.h"

#include <algorithm>
#include <charconv>

namespace {
std::optional<unsigned short> ParsePort(const std::string& text)
{
    unsigned port = 0;
    const char* end = text.data() + text.size();
    const auto [rest, error] = std::from_chars(text.data(), end, port);
    if (error != std::errc() || rest != end || port == 0 || port > 65535)
        return std::nullopt;
    return static_cast<unsigned short>(port);
}

// Brackets, blanks and control characters belong to no host name; a NUL
// would even shorten the name the connection looks up.
bool IsHostName(const std::string& host)
{
    return !host.empty() && std::none_of(host.begin(), host.end(), [](char c) {
        return c == '[' || c == ']' || static_cast<unsigned char>(c) <= ' ' || c == '\x7f';
    });
}
}

CPrinterAddress::CPrinterAddress(std::string host, unsigned short port) : m_host(std::move(host)), m_port(port) {}

std::optional<CPrinterAddress> CPrinterAddress::Parse(const std::string& text)
{
    std::string host = text;
    std::optional<std::string> port;
    if (text.starts_with('[')) {
        const auto close = text.find(']');
        if (close == std::string::npos)
            return std::nullopt;
        host = text.substr(1, close - 1);
        const std::string rest = text.substr(close + 1);
        if (!rest.empty() && rest[0] != ':')
            return std::nullopt;
        if (!rest.empty())
            port = rest.substr(1);
    } else if (const auto colon = text.find(':');
               colon != std::string::npos && text.find(':', colon + 1) == std::string::npos) {
        host = text.substr(0, colon);
        port = text.substr(colon + 1);
    }
    const auto number = port ? ParsePort(*port) : std::optional<unsigned short>(kDefaultPort);
    if (!IsHostName(host) || !number)
        return std::nullopt;
    return CPrinterAddress(host, *number);
}
