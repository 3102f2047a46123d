#include "CJobMessages.h"

#include "CMessageService.h"
#include "IMessageSink.h"

#include <iostream>
#include <mutex>

namespace {
thread_local CJobMessages* t_capture = nullptr;

class CThreadSink : public IMessageSink {
public:
    void ShowMessage(unsigned, const std::string& text) override
    {
        if (t_capture) {
            t_capture->Add(text);
            return;
        }
        const std::lock_guard lock(m_mutex);
        std::cerr << text << '\n';
    }

private:
    std::mutex m_mutex;
};
}

void CJobMessages::Install()
{
    static CThreadSink sink;
    CMessageService::SetSink(&sink);
}

CJobMessages::CJobMessages()
    : m_outer(t_capture)
{
    t_capture = this;
}

CJobMessages::~CJobMessages()
{
    t_capture = m_outer;
}

void CJobMessages::Add(const std::string& text)
{
    m_text += (m_text.empty() ? "" : "\n") + text;
}
