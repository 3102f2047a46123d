#pragma once

#include <optional>
#include <string>

// A printer as the printer application's device: qxftp://HOST[:PORT]/NUMBER,
// the control port (21 when left out) and the printer number, 0 to 99.
class CDeviceUri {
public:
    static constexpr const char* kScheme = "qxftp";

    // Nothing for another scheme, a host CPrinterAddress refuses, or a
    // number that is not 0 to 99 written in digits.
    static std::optional<CDeviceUri> Parse(const std::string& uri);
    static std::string Format(const std::string& printerName, int number);

    // HOST[:PORT] as the send sequence takes it.
    const std::string& PrinterName() const { return m_printerName; }
    int Number() const { return m_number; }

private:
    CDeviceUri(std::string printerName, int number);

    std::string m_printerName;
    int m_number;
};
