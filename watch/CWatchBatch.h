#pragma once

#include "CWatchFolders.h"

#include <chrono>
#include <optional>
#include <vector>

// Groups taken files into jobs: without a batch time each file is a job of
// its own; with one, the files taken within that time of each other go
// together, in name order.
class CWatchBatch {
public:
    using Clock = std::chrono::steady_clock;

    explicit CWatchBatch(Clock::duration window);
    void Add(CWatchFolders::Entry entry, Clock::time_point now);
    // The jobs whose files are all there.
    std::vector<std::vector<CWatchFolders::Entry>> TakeClosed(Clock::time_point now);
    std::optional<Clock::time_point> ClosesAt() const;

private:
    Clock::duration m_window;
    std::vector<CWatchFolders::Entry> m_entries;
    Clock::time_point m_last;
};
