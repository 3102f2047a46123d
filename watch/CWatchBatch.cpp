#include "CWatchBatch.h"

#include <algorithm>

CWatchBatch::CWatchBatch(Clock::duration window)
    : m_window(window)
{
}

void CWatchBatch::Add(CWatchFolders::Entry entry, Clock::time_point now)
{
    m_entries.push_back(std::move(entry));
    m_last = now;
}

std::vector<std::vector<CWatchFolders::Entry>> CWatchBatch::TakeClosed(Clock::time_point now)
{
    std::vector<std::vector<CWatchFolders::Entry>> jobs;
    if (m_entries.empty() || now < m_last + m_window)
        return jobs;
    if (m_window == Clock::duration::zero()) {
        for (auto& entry : m_entries)
            jobs.push_back({std::move(entry)});
    } else {
        std::sort(m_entries.begin(), m_entries.end(),
                  [](const auto& a, const auto& b) { return a.name < b.name; });
        jobs.push_back(std::move(m_entries));
    }
    m_entries.clear();
    return jobs;
}

std::optional<CWatchBatch::Clock::time_point> CWatchBatch::ClosesAt() const
{
    if (m_entries.empty())
        return std::nullopt;
    return m_last + m_window;
}
