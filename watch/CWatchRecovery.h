#pragma once

#include "CHistoryRecord.h"
#include "CWatchFolders.h"

#include <vector>

// What an earlier run of a hot folder left: the files still in .sending/
// and, in the send history, the uploads that never ended.
class CWatchRecovery {
public:
    struct Unfinished {
        CHistoryRecord record;
        // Its files still in .sending/: they go again as one job, once the
        // partial file is off the printer.
        std::vector<CWatchFolders::Entry> entries;
    };

    struct Plan {
        // Recorded as accepted by the printer: on to sent/ without sending.
        std::vector<CWatchFolders::Entry> done;
        // Oldest first.
        std::vector<Unfinished> unfinished;
        // Taken, but never uploaded to the end: sent as new.
        std::vector<CWatchFolders::Entry> pending;
    };

    // records: the watcher's own, newest first, as the history lists them.
    static Plan Make(const std::vector<CHistoryRecord>& records, const std::vector<CWatchFolders::Entry>& sending);
};
