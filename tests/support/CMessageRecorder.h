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
    // Kept apart from the messages; answered with answer.
    bool Confirm(unsigned id, const std::string& text) override;
    const std::vector<Message>& Messages() const { return m_messages; }
    // The ids in the order shown (0 for literal texts).
    std::vector<unsigned> Ids() const;
    void Clear() { m_messages.clear(); }
    const std::vector<Message>& Questions() const { return m_questions; }

    bool answer = true;

private:
    std::vector<Message> m_messages;
    std::vector<Message> m_questions;
    IMessageSink* m_previous;
};
