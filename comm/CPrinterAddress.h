#pragma once

#include <optional>
#include <string>

// A printer name as the user types it: a host name or address, optionally
// with a port ("host:2121", "[::1]:2121"). A bare IPv6 address has no port.
class CPrinterAddress {
public:
    static constexpr unsigned short kDefaultPort = 21;

    // Nothing for an empty host, one with brackets, blanks or control
    // characters, or a port that is not 1 to 65535.
    static std::optional<CPrinterAddress> Parse(const std::string& text);

    const std::string& GetHost() const { return m_host; }
    unsigned short GetPort() const { return m_port; }

private:
    CPrinterAddress(std::string host, unsigned short port);

    std::string m_host;
    unsigned short m_port;
};
