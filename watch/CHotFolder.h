#pragma once

#include "CFolderWatch.h"
#include "CSendHistory.h"
#include "CSettleTracker.h"
#include "CWatchBatch.h"
#include "CWatchFolders.h"
#include "CWatchJob.h"
#include "CWatchSender.h"

#include <chrono>
#include <deque>
#include <ostream>
#include <string>

class CFormatTable;

// A folder whose plot files are sent as they arrive, each (or each batch)
// as one job, until SIGINT or SIGTERM. Every file is first taken into
// .sending/ and the upload recorded in the send history, so that a run that
// ended at any moment is completed by the next: the partial file of an
// upload that never ended is removed from the printer and exactly the files
// not recorded as sent go again. A program that dies after the printer has
// taken a job but before the history has it sends that job twice.
class CHotFolder {
public:
    using Clock = std::chrono::steady_clock;

    struct Options {
        std::string folder;
        Clock::duration settle = std::chrono::seconds(3);
        Clock::duration batch = Clock::duration::zero();
        Clock::duration retryFor = std::chrono::seconds(600);
        // A data format was chosen for every file, so no file is refused
        // for its extension.
        bool anyExtension = false;
    };

    // events: one line per file taken, sent, failed or retried.
    CHotFolder(Options options, CWatchSender::Recipe recipe, std::ostream& events);
    // True after a clean stop; false when the folder cannot be watched,
    // after the message saying why.
    bool Run();

private:
    bool Start();
    void Recover();
    void Look(Clock::time_point now);
    void TakeReady(Clock::time_point now);
    void Take(const std::string& name, const CFormatTable& formats, Clock::time_point now);
    void Queue(std::vector<CWatchFolders::Entry> entries, std::vector<CHistoryRecord> unfinished);
    void SendDue(Clock::time_point now);
    // True when the job has ended, sent or failed.
    bool Attempt(CWatchJob& job, Clock::time_point now);
    CWatchSender::Outcome RemovePartials(CWatchJob& job);
    bool Conclude(CWatchJob& job, const CWatchSender::Outcome& outcome, Clock::time_point now);
    bool Retry(CWatchJob& job, const std::string& reason, Clock::time_point now);
    void Fail(const CWatchJob& job, const std::string& reason);
    // Moves a sent file on to sent/ and records where it went; false when it could not be moved.
    bool ToSent(const CWatchFolders::Entry& entry);
    Clock::duration WaitTime(Clock::time_point now) const;
    void Event(const std::string& line);

    Options m_options;
    CWatchSender m_sender;
    std::ostream& m_events;
    CFolderWatch m_watch;
    CWatchFolders m_folders;
    CSendHistory m_history;
    CSettleTracker m_tracker;
    CWatchBatch m_batch;
    std::deque<CWatchJob> m_queue;
};
