#include "CDeviceUri.h"

#include "CPrinterAddress.h"

CDeviceUri::CDeviceUri(std::string printerName, int number)
    : m_printerName(std::move(printerName))
    , m_number(number)
{
}

std::optional<CDeviceUri> CDeviceUri::Parse(const std::string& uri)
{
    const std::string prefix = std::string(kScheme) + "://";
    if (uri.compare(0, prefix.size(), prefix) != 0)
        return std::nullopt;
    const std::size_t slash = uri.find('/', prefix.size());
    if (slash == std::string::npos)
        return std::nullopt;
    const std::string name = uri.substr(prefix.size(), slash - prefix.size());
    const std::string number = uri.substr(slash + 1);
    if (number.empty() || number.size() > 2 || number.find_first_not_of("0123456789") != std::string::npos)
        return std::nullopt;
    if (!CPrinterAddress::Parse(name))
        return std::nullopt;
    return CDeviceUri(name, std::stoi(number));
}

std::string CDeviceUri::Format(const std::string& printerName, int number)
{
    return std::string(kScheme) + "://" + printerName + '/' + std::to_string(number);
}
