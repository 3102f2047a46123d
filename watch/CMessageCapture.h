#pragma once

#include "IMessageSink.h"

#include <string>

// While one lives, the messages meant for the user are kept instead of
// shown: a hot folder gives them as the reason a file was not sent.
class CMessageCapture : public IMessageSink {
public:
    CMessageCapture();
    ~CMessageCapture() override;
    CMessageCapture(const CMessageCapture&) = delete;
    CMessageCapture& operator=(const CMessageCapture&) = delete;

    void ShowMessage(unsigned id, const std::string& text) override;
    // Every message so far, one a line.
    const std::string& Text() const { return m_text; }

private:
    IMessageSink* m_previous;
    std::string m_text;
};
