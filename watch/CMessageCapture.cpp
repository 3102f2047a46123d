#include "CMessageCapture.h"

#include "CMessageService.h"

CMessageCapture::CMessageCapture()
    : m_previous(CMessageService::SetSink(this))
{
}

CMessageCapture::~CMessageCapture()
{
    CMessageService::SetSink(m_previous);
}

void CMessageCapture::ShowMessage(unsigned, const std::string& text)
{
    m_text += (m_text.empty() ? "" : "\n") + text;
}
