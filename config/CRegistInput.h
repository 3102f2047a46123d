#pragma once

#include <string>

// What may be entered as a file extension, owner name or printer name: the
// characters that would break the INI line it is stored in are refused.
class CRegistInput {
public:
    static constexpr int kExtensionMode = 1;
    static constexpr int kOwnerMode = 2;
    static constexpr int kPrinterMode = 3;

    // How the input dialog is set up for one list, and its duplicate message.
    struct Use {
        int mode;
        unsigned titleId;
        unsigned promptId;
        unsigned duplicateId;
    };
    static const Use kExtension;
    static const Use kOwner;
    static const Use kPrinter;

    // Why an entry is not taken: a message, 0 for none, and its %1.
    struct Refusal {
        unsigned id = 0;
        std::string argument;
        bool operator==(const Refusal&) const = default;
    };

    // The message refusing the text, 0 when it is accepted. Any mode other
    // than the extension and owner modes refuses as the printer mode does,
    // which also refuses blanks: a printer name is a host name or address.
    static unsigned RefusalMessage(int mode, const std::string& text);
    // The characters RefusalMessage refuses, which typing them in the
    // input dialog never puts in the edit.
    static std::string RefusedCharacters(int mode);
    // The text without leading and trailing blanks, as an entry is stored.
    static std::string Trimmed(const std::string& text);
};
