#pragma once

#include <string>

class IMessageSink;

// The one way to tell the user something: by string identifier, with the
// placeholder %1 filled in, or as a literal text of the system.
class CMessageService {
public:
    static void Show(unsigned id, const std::string& argument = {});
    // For the range messages of the editors: %1 the lower, %2 the upper bound.
    static void ShowBounds(unsigned id, int lower, int upper);
    static void ShowText(const std::string& text);
    // A text made of the identifier's message and more, such as its detail.
    static void ShowComposed(unsigned id, const std::string& text);
    // A question the user answers with yes or no; true for yes.
    static bool Confirm(unsigned id, const std::string& argument = {});
    // Replaces the sink (none restores the default, standard error) and
    // returns the previous one.
    static IMessageSink* SetSink(IMessageSink* sink);
    // The text of a string identifier with %1 replaced by the argument.
    static std::string Format(unsigned id, const std::string& argument = {});
    static std::string FormatBounds(unsigned id, int lower, int upper);
};
