#pragma once

#include <string>

// Where messages for the user go: a message box in the window program,
// standard error on the command line, a recorder in tests.
class IMessageSink {
public:
    virtual ~IMessageSink() = default;
    // id is the string identifier of the text, 0 for a text of the system
    // (an error report of the platform or of the printer).
    virtual void ShowMessage(unsigned id, const std::string& text) = 0;
    // A yes-or-no question; true for yes. Where nobody can answer (the
    // command line, a service), the command itself was the confirmation.
    virtual bool Confirm(unsigned id, const std::string& text);
};
