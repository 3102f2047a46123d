#pragma once

#include <optional>
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

    // The message refusing the text, 0 when it is accepted. Any mode other
    // than the extension and owner modes refuses as the printer mode does.
    static unsigned RefusalMessage(int mode, const std::string& text);
    // The key that never reaches the edit while typing in this mode.
    static std::optional<char> IgnoredWhileTyping(int mode);
};
