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
    // MFG:...;MDL:...;CMD:...; with the model the printer named (else its
    // controller family), and PDF and PS among the commands only for the
    // PS/PDF option.
    static std::string DeviceId(const CPrinterQuery::Answer& answer);
    // The model of one of our device IDs; empty for any other. PAPPL keeps
    // the ID of a queue made with add -m auto, so the model outlives a
    // restart.
    static std::string ModelOf(const std::string& deviceId);
    // Null for a device ID that is none of ours.
    static const char* DriverFor(const std::string& deviceId);
    static std::string MakeAndModel(const std::string& controllerName);
};
