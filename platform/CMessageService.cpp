#include "CMessageService.h"

#include "CResourceModule.h"
#include "IMessageSink.h"

#include <iostream>

namespace {
class CStandardErrorSink : public IMessageSink {
public:
    void ShowMessage(unsigned, const std::string& text) override { std::cerr << text << '\n'; }
};

CStandardErrorSink g_standardError;
IMessageSink* g_sink = &g_standardError;
}

void CMessageService::Show(unsigned id, const std::string& argument)
{
    g_sink->ShowMessage(id, Format(id, argument));
}

void CMessageService::ShowText(const std::string& text)
{
    g_sink->ShowMessage(0, text);
}

IMessageSink* CMessageService::SetSink(IMessageSink* sink)
{
    IMessageSink* previous = g_sink;
    g_sink = sink ? sink : &g_standardError;
    return previous;
}

std::string CMessageService::Format(unsigned id, const std::string& argument)
{
    std::string text = CResourceModule::LoadString(id);
    for (auto at = text.find("%1"); at != std::string::npos; at = text.find("%1", at + argument.size()))
        text.replace(at, 2, argument);
    return text;
}
