#pragma once

#include <string>

// While one lives, it sees every message shown on its thread, which is
// shown all the same: a send that stops before its upload keeps in the
// send history what the user was told.
class CMessageTap {
public:
    CMessageTap();
    ~CMessageTap();
    CMessageTap(const CMessageTap&) = delete;
    CMessageTap& operator=(const CMessageTap&) = delete;

    // Every message so far, one a line.
    const std::string& Text() const { return m_text; }
    // The message service's side: every tap of the calling thread sees it.
    static void Notify(const std::string& text);
    // Whether a tap lives on the calling thread.
    static bool Listening() { return t_innermost != nullptr; }

private:
    static thread_local CMessageTap* t_innermost;
    CMessageTap* m_outer;
    std::string m_text;
};
