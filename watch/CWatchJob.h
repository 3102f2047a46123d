#pragma once

#include "CHistoryRecord.h"
#include "CRetrySchedule.h"
#include "CWatchFolders.h"

#include <vector>

// One job of a hot folder waiting its turn: the files that go together,
// and the uploads of an earlier run that never ended, whose partial files
// are removed from the printer first.
struct CWatchJob {
    std::vector<CWatchFolders::Entry> entries;
    std::vector<CHistoryRecord> unfinished;
    CRetrySchedule retry;
    CRetrySchedule::Clock::time_point due;
};
