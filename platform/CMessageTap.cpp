#include "CMessageTap.h"

thread_local CMessageTap* CMessageTap::t_innermost = nullptr;

CMessageTap::CMessageTap()
    : m_outer(t_innermost)
{
    t_innermost = this;
}

CMessageTap::~CMessageTap()
{
    t_innermost = m_outer;
}

void CMessageTap::Notify(const std::string& text)
{
    for (CMessageTap* tap = t_innermost; tap; tap = tap->m_outer)
        tap->m_text += (tap->m_text.empty() ? "" : "\n") + text;
}
