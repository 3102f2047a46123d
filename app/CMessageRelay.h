#pragma once

#include "IMessageSink.h"

// Hands every message to a sink on the UI thread, which alone may show
// windows: a message of another thread waits there until it has been shown.
class CMessageRelay : public IMessageSink {
public:
    explicit CMessageRelay(IMessageSink& target);
    void ShowMessage(unsigned id, const std::string& text) override;
    bool Confirm(unsigned id, const std::string& text) override;

private:
    IMessageSink& m_target;
};
