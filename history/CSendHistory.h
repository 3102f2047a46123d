#pragma once

#include "CHistoryFilter.h"
#include "CHistoryRecord.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

class CSqlStatement;
struct sqlite3;

// The send history: an SQLite file that the window, the command line and a
// watcher write at the same time. Each write is one transaction (WAL, with
// a busy timeout), so a crash never leaves half a record; the file is the
// user's alone. Failures return false, 0 or nothing, and GetError() tells
// why the last operation failed (empty when it did not).
class CSendHistory {
public:
    static constexpr int kSchemaVersion = 2;
    static constexpr int kBusyTimeoutMs = 5000;
    static constexpr const char* kPathVariable = "QX_SENDORA_HISTORY";

    CSendHistory();
    ~CSendHistory();
    CSendHistory(const CSendHistory&) = delete;
    CSendHistory& operator=(const CSendHistory&) = delete;

    // QX_SENDORA_HISTORY, else qx-sendora/history.sqlite in the user's XDG
    // data folder.
    static std::string DefaultPath();
    // Opens the file, creating it (mode 0600) and missing folders (0700).
    bool Open(const std::string& path);
    // Opens DefaultPath() and prunes by the registry's "HistoryDays".
    bool OpenDefault();
    bool IsOpen() const { return m_db != nullptr; }
    const std::string& GetError() const { return m_error; }

    // The start of an upload with its files; time 0 records the present.
    // The new record's id, 0 on failure.
    std::int64_t BeginSend(const CHistoryRecord& record);
    bool FinishSend(std::int64_t id, CHistoryRecord::Result result, const std::string& message, double seconds);
    // A sender that moves its files after the send says where the file it
    // recorded under that source key lies now, so that the send can still
    // be put back into a print list.
    bool RelocateFile(const std::string& source, const std::string& path);
    // Newest first.
    std::vector<CHistoryRecord> Query(const CHistoryFilter& filter = {});
    // Uploads that started and never ended, newest first.
    std::vector<CHistoryRecord> Unfinished();
    std::optional<CHistoryRecord> Find(std::int64_t id);
    // Removes the records started more than days days ago; days 0 or less
    // keeps everything. The number removed, -1 on failure.
    int Prune(int days);

private:
    bool Fail(const std::string& what);
    bool FailSql(const std::string& what);
    bool Execute(const char* sql);
    // body runs in one write transaction, committed when it returns true.
    bool Transaction(const std::function<bool()>& body);
    // Runs step again while SQLite answers it with BUSY, as long as the busy timeout.
    bool UntilNotBusy(const std::function<bool()>& step);
    bool Configure();
    bool CreateSchema();
    std::int64_t InsertSend(const CHistoryRecord& record);
    bool InsertFiles(std::int64_t id, const std::vector<CHistoryRecord::File>& files);
    std::vector<CHistoryRecord> Select(const std::string& conditions,
                                       const std::function<void(CSqlStatement&)>& bind);
    std::vector<CHistoryRecord::File> FilesOf(std::int64_t id);
    void Close();

    sqlite3* m_db = nullptr;
    std::string m_path;
    std::string m_error;
    // The last failure was SQLite's BUSY: a competitor held the file.
    bool m_busy = false;
};
