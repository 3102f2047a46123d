#pragma once

#include "CPrinterQuery.h"

#include <optional>
#include <string>

// What a printer is, in the words of IPP device IDs: the one status
// dialogue of add -m auto, and the driver that suits the answer.
class CPrinterIdentity {
public:
    static constexpr const char* kPdfDriver = "qx-sendora-pdf";
    static constexpr const char* kPlainDriver = "qx-sendora";

    // One status dialogue with the printer's FTP account; nothing when the
    // printer does not answer.
    static std::optional<CPrinterQuery::Answer> Ask(const std::string& printerName);
    // MFG:...;MDL:...;CMD:...; with PDF and PS among the commands only for
    // the PS/PDF option.
    static std::string DeviceId(const CPrinterQuery::Answer& answer);
    // Null for a device ID that is none of ours.
    static const char* DriverFor(const std::string& deviceId);
    static std::string MakeAndModel(const std::string& controllerName);
};
