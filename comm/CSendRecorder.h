#pragma once

#include "CFtpUpload.h"
#include "CHistoryRecord.h"
#include "CSendHistory.h"

#include <chrono>
#include <cstdint>
#include <string>

class CPrintJob;
struct CSendChoices;

// Puts one upload in the send history: its start before the upload, its
// end after. A history that cannot be opened or written never stops the
// send; what went wrong is kept for the front end to mention or not.
class CSendRecorder {
public:
    // The record of the job's upload by the request: printer, number,
    // owner, setting and files as the job holds them, the job file's size.
    static CHistoryRecord Describe(const CPrintJob& job, const CFtpUpload::Request& request);
    // A send that stopped before its upload, with what the user was told:
    // the choices as made, the job's files. Errors of the history are
    // not told; the send has already failed.
    static void RecordStop(const CPrintJob& job, const CSendChoices& choices, const std::string& message);

    // Records the start at once.
    explicit CSendRecorder(CHistoryRecord record);
    // message: what the user is told of a failure.
    void End(CFtpUpload::Result result, const std::string& message);
    // 0 when the start was not recorded.
    std::int64_t GetId() const { return m_id; }
    // Empty while everything was recorded.
    const std::string& GetError() const { return m_error; }

private:
    void Begin(const CHistoryRecord& record);

    CSendHistory m_history;
    std::int64_t m_id = 0;
    std::chrono::steady_clock::time_point m_start;
    std::string m_error;
};
