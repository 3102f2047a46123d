#pragma once

#include "IMessageSink.h"

// The command line's messages on standard error, each starting with the
// program's name, so that a script's log says who spoke.
class CConsoleMessageSink : public IMessageSink {
public:
    static constexpr const char* kPrefix = "qx-sendora-cli: ";

    void ShowMessage(unsigned id, const std::string& text) override;
};
