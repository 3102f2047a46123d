#include "CSettleTracker.h"

#include <set>

CSettleTracker::CSettleTracker(Clock::duration settle)
    : m_settle(settle)
{
}

void CSettleTracker::Report(const CFolderWatch::Event& event, Clock::time_point now)
{
    if (IsHidden(event.name))
        return;
    Candidate& candidate = m_files[event.name];
    candidate.complete = event.complete;
    candidate.handedOut = false;
    candidate.since = now;
}

void CSettleTracker::Update(const std::vector<CFolderWatch::FileState>& files, Clock::time_point now)
{
    std::set<std::string> listed;
    for (const auto& file : files) {
        if (IsHidden(file.name))
            continue;
        listed.insert(file.name);
        Candidate& candidate = m_files[file.name];
        if (!candidate.listed || candidate.size != file.size || candidate.modified != file.modified) {
            // A file that has changed since it was handed out is another one.
            candidate.handedOut = false;
            candidate.since = now;
            candidate.size = file.size;
            candidate.modified = file.modified;
            candidate.listed = true;
        }
    }
    std::erase_if(m_files, [&](const auto& entry) { return listed.count(entry.first) == 0; });
}

std::vector<std::string> CSettleTracker::TakeReady(Clock::time_point now)
{
    std::vector<std::string> ready;
    for (auto& [name, candidate] : m_files) {
        if (candidate.handedOut || !IsReady(candidate, now))
            continue;
        candidate.handedOut = true;
        ready.push_back(name);
    }
    return ready;
}

std::optional<CSettleTracker::Clock::time_point> CSettleTracker::NextReady() const
{
    std::optional<Clock::time_point> next;
    for (const auto& [name, candidate] : m_files)
        if (!candidate.handedOut && (!next || candidate.since + m_settle < *next))
            next = candidate.since + m_settle;
    return next;
}

bool CSettleTracker::IsReady(const Candidate& candidate, Clock::time_point now) const
{
    return candidate.listed && (candidate.complete || now - candidate.since >= m_settle);
}
