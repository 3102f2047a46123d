#include "CMessageRecorder.h"

#include "CMessageService.h"

CMessageRecorder::CMessageRecorder()
    : m_previous(CMessageService::SetSink(this))
{
}

CMessageRecorder::~CMessageRecorder()
{
    CMessageService::SetSink(m_previous);
}

void CMessageRecorder::ShowMessage(unsigned id, const std::string& text)
{
    m_messages.push_back({id, text});
}

bool CMessageRecorder::Confirm(unsigned id, const std::string& text)
{
    m_questions.push_back({id, text});
    return answer;
}

std::vector<unsigned> CMessageRecorder::Ids() const
{
    std::vector<unsigned> ids;
    for (const Message& message : m_messages)
        ids.push_back(message.id);
    return ids;
}
