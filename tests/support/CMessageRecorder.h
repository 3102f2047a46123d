#pragma once

#include "IMessageSink.h"

#include <string>
#include <vector>

// Collects the messages shown while it lives, instead of showing them.
class CMessageRecorder : public IMessageSink {
public:
    struct Message {
        unsigned id;
        std::string text;
    };

    CMessageRecorder();
    ~CMessageRecorder() override;
    CMessageRecorder(const CMessageRecorder&) = delete;
    CMessageRecorder& operator=(const CMessageRecorder&) = delete;

    void ShowMessage(unsigned id, const std::string& text) override;
    const std::vector<Message>& Messages() const { return m_messages; }
    // The ids in the order shown (0 for literal texts).
    std::vector<unsigned> Ids() const;
    void Clear() { m_messages.clear(); }

private:
    std::vector<Message> m_messages;
    IMessageSink* m_previous;
};
