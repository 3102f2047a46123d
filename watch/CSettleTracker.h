#pragma once

#include "CFolderWatch.h"

#include <chrono>
#include <map>
#include <optional>
#include <string>
#include <vector>

// Tells when the files of a hot folder are whole: at once when closed after
// writing or moved in, otherwise once size and time have stayed the same
// for the settle time. Hidden files (a copy tool's temporary names) are
// never taken.
class CSettleTracker {
public:
    using Clock = std::chrono::steady_clock;

    explicit CSettleTracker(Clock::duration settle);

    void Report(const CFolderWatch::Event& event, Clock::time_point now);
    // The folder as listed now: new files start settling, changed ones
    // start again, gone ones are forgotten.
    void Update(const std::vector<CFolderWatch::FileState>& files, Clock::time_point now);
    // The files whole now, in name order. Each is handed out once, and
    // again only after it has changed.
    std::vector<std::string> TakeReady(Clock::time_point now);
    // When the first file still settling may be whole.
    std::optional<Clock::time_point> NextReady() const;

private:
    struct Candidate {
        std::uint64_t size = 0;
        std::int64_t modified = 0;
        Clock::time_point since;
        bool complete = false;
        bool handedOut = false;
        bool listed = false;
    };

    static bool IsHidden(const std::string& name) { return name.empty() || name[0] == '.'; }
    bool IsReady(const Candidate& candidate, Clock::time_point now) const;

    Clock::duration m_settle;
    std::map<std::string, Candidate> m_files;
};
