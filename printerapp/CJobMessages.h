#pragma once

#include <string>

// The messages of one job's send, kept for its job-state-message. Jobs of
// different printers run on threads of their own at once, so the message
// service's one sink hands each message to the capture of the thread that
// showed it; a message of no job goes to the log (standard error).
class CJobMessages {
public:
    // Once, before any job runs.
    static void Install();

    // Captures the calling thread's messages while it lives.
    CJobMessages();
    ~CJobMessages();
    CJobMessages(const CJobMessages&) = delete;
    CJobMessages& operator=(const CJobMessages&) = delete;

    void Add(const std::string& text);
    // Every message so far, one a line.
    const std::string& Text() const { return m_text; }

private:
    CJobMessages* m_outer;
    std::string m_text;
};
