#include "CJobMessages.h"

#include "CMessageService.h"
#include "CMessageTap.h"
#include "IMessageSink.h"

#include <iostream>
#include <mutex>
#include <string>

namespace {
class CLogSink : public IMessageSink {
public:
    void ShowMessage(unsigned, const std::string& text) override
    {
        if (CMessageTap::Listening())
            return;
        const std::lock_guard lock(m_mutex);
        std::cerr << text << '\n';
    }

private:
    std::mutex m_mutex;
};
}

void CJobMessages::Install()
{
    static CLogSink sink;
    CMessageService::SetSink(&sink);
}
