#include "CSendHistory.h"

#include <sqlite3.h>

CSendHistory::CSendHistory() = default;

CSendHistory::~CSendHistory()
{
    Close();
}

std::string CSendHistory::DefaultPath()
{
    return {};
}

bool CSendHistory::Open(const std::string&)
{
    return Fail("not yet");
}

bool CSendHistory::OpenDefault()
{
    return Open(DefaultPath());
}

std::int64_t CSendHistory::BeginSend(const CHistoryRecord&)
{
    return 0;
}

bool CSendHistory::FinishSend(std::int64_t, CHistoryRecord::Result, const std::string&, double)
{
    return false;
}

std::vector<CHistoryRecord> CSendHistory::Query(const CHistoryFilter&)
{
    return {};
}

std::vector<CHistoryRecord> CSendHistory::Unfinished()
{
    CHistoryFilter filter;
    filter.unfinishedOnly = true;
    return Query(filter);
}

std::optional<CHistoryRecord> CSendHistory::Find(std::int64_t)
{
    return std::nullopt;
}

int CSendHistory::Prune(int)
{
    return -1;
}

bool CSendHistory::Fail(const std::string& what)
{
    m_error = what;
    return false;
}

void CSendHistory::Close()
{
    if (m_db)
        sqlite3_close(m_db);
    m_db = nullptr;
}
