#include "CSendRecorder.h"

CHistoryRecord CSendRecorder::Describe(const CPrintJob&, const CFtpUpload::Request&)
{
    return {};
}

CSendRecorder::CSendRecorder(CHistoryRecord record)
    : m_start(std::chrono::steady_clock::now())
{
    Begin(record);
}

void CSendRecorder::Begin(const CHistoryRecord&)
{
}

void CSendRecorder::End(CFtpUpload::Result, const std::string&)
{
}
