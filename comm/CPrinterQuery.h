#pragma once

#include <chrono>
#include <optional>
#include <string>

// The dialogue on the printer's control port that comes before a send:
// log in, ask for the status, learn the controller family.
class CPrinterQuery {
public:
    struct Answer {
        std::string controllerName;
        int psPdfOption = 0;
        std::string model;  // empty when the reply names no model known
    };

    // Nothing when a step fails; the client has shown its own text, the
    // caller shows its message.
    static std::optional<Answer> Ask(const std::string& printerName, const std::string& user,
                                     const std::string& password,
                                     std::chrono::milliseconds timeout = std::chrono::milliseconds(15000));
};
