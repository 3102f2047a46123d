#include "CMessageService.h"

#include "CMessageTap.h"
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

void Deliver(unsigned id, const std::string& text)
{
    CMessageTap::Notify(text);
    g_sink->ShowMessage(id, text);
}

// Each placeholder is filled in once, so an argument holding "%2" stays as it is.
std::string Fill(std::string text, const std::string& placeholder, const std::string& argument)
{
    for (auto at = text.find(placeholder); at != std::string::npos; at = text.find(placeholder, at + argument.size()))
        text.replace(at, placeholder.size(), argument);
    return text;
}
}

void CMessageService::Show(unsigned id, const std::string& argument)
{
    Deliver(id, Format(id, argument));
}

void CMessageService::ShowBounds(unsigned id, int lower, int upper)
{
    Deliver(id, FormatBounds(id, lower, upper));
}

void CMessageService::ShowText(const std::string& text)
{
    Deliver(0, text);
}

void CMessageService::ShowComposed(unsigned id, const std::string& text)
{
    Deliver(id, text);
}

bool CMessageService::Confirm(unsigned id, const std::string& argument)
{
    return g_sink->Confirm(id, Format(id, argument));
}

IMessageSink* CMessageService::SetSink(IMessageSink* sink)
{
    IMessageSink* previous = g_sink;
    g_sink = sink ? sink : &g_standardError;
    return previous;
}

std::string CMessageService::Format(unsigned id, const std::string& argument)
{
    return Fill(CResourceModule::LoadString(id), "%1", argument);
}

std::string CMessageService::FormatBounds(unsigned id, int lower, int upper)
{
    return Fill(Format(id, std::to_string(lower)), "%2", std::to_string(upper));
}
