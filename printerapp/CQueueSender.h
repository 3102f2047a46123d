#pragma once

#include "CHistoryRecord.h"
#include "CQueueJob.h"

#include <chrono>
#include <functional>
#include <optional>
#include <string>

class CPrintJob;

// A queued job through the same send sequence as every other send:
// printer dialogue, send checks, job file, upload, send history. A printer
// that does not answer is asked again after 1, 2, 4 ... seconds for the
// retry time; queues of one printer send one after the other.
class CQueueSender {
public:
    struct Outcome {
        enum class Status { Done, Failed, Cancelled };
        Status status = Status::Failed;
        // Done: the job's name on the printer; Failed: why, in our words.
        std::string text;
    };

    struct Watchers {
        // Asked between the steps and during the upload.
        std::function<bool()> cancelled;
        // The printer stopped answering (with the message why) or answers again.
        std::function<void(bool answering, const std::string& message)> printerState;
    };

    CQueueSender(std::chrono::seconds retryFor, Watchers watchers);
    Outcome Send(const CQueueJob& job) const;

private:
    enum class Attempt { Sent, NoAnswer, Over };
    Attempt TrySend(const CQueueJob& job, Outcome& outcome) const;
    bool FillList(CPrintJob& list, const CQueueJob& job, const std::string& folder) const;
    bool Pause(std::chrono::steady_clock::duration pause) const;
    static std::optional<std::string> SentBefore(const std::string& key);
    static void Record(const CQueueJob& job, CHistoryRecord::Result result, const std::string& message);

    std::chrono::seconds m_retryFor;
    Watchers m_watchers;
};
