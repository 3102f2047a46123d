#include "CSendHistory.h"

#include "CInstallLayout.h"
#include "CRegistryValues.h"
#include "CSqlStatement.h"

#include <fcntl.h>
#include <sqlite3.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <thread>

namespace {
// How long opening waits before it tries again what found the file busy.
constexpr auto kBusyRetry = std::chrono::milliseconds(5);

constexpr const char* kSchema =
    "CREATE TABLE sends (id INTEGER PRIMARY KEY, time INTEGER NOT NULL, printer TEXT NOT NULL,"
    " number INTEGER NOT NULL, owner TEXT NOT NULL, setting TEXT NOT NULL, job_bytes INTEGER NOT NULL,"
    " remote_name TEXT NOT NULL, tag TEXT NOT NULL, result TEXT NOT NULL, message TEXT NOT NULL,"
    " seconds REAL NOT NULL, queue TEXT NOT NULL DEFAULT '', media TEXT NOT NULL DEFAULT '');"
    "CREATE INDEX sends_by_time ON sends (time);"
    "CREATE INDEX sends_unfinished ON sends (id) WHERE result = 'unfinished';"
    "CREATE TABLE files (send_id INTEGER NOT NULL REFERENCES sends (id) ON DELETE CASCADE,"
    " position INTEGER NOT NULL, name TEXT NOT NULL, size INTEGER NOT NULL, source TEXT NOT NULL,"
    " path TEXT NOT NULL, copies INTEGER NOT NULL, PRIMARY KEY (send_id, position));"
    "PRAGMA user_version = 2;";

// Version 1 had no printer application's queue and media.
constexpr const char* kUpgradeFrom1 =
    "ALTER TABLE sends ADD COLUMN queue TEXT NOT NULL DEFAULT '';"
    "ALTER TABLE sends ADD COLUMN media TEXT NOT NULL DEFAULT '';"
    "PRAGMA user_version = 2;";

constexpr const char* kColumns =
    "SELECT id, time, printer, number, owner, setting, job_bytes, remote_name, tag, result, message, seconds, "
    "queue, media FROM sends";

// The folders above the file that are missing, made for the user alone.
bool MakeFolders(const std::filesystem::path& folder)
{
    if (folder.empty() || std::filesystem::is_directory(folder))
        return true;
    return MakeFolders(folder.parent_path()) && (::mkdir(folder.c_str(), 0700) == 0 || errno == EEXIST);
}

// A new file is the user's alone before SQLite writes to it; SQLite gives
// its journal files the same permissions.
bool CreateFile(const std::string& path)
{
    const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd < 0)
        return errno == EEXIST;
    const bool ok = ::fchmod(fd, 0600) == 0;
    ::close(fd);
    return ok;
}

// A LIKE pattern that finds the text anywhere, its own % and _ taken as they are.
std::string ContainsPattern(const std::string& text)
{
    std::string pattern = "%";
    for (const char c : text) {
        if (c == '%' || c == '_' || c == '\\')
            pattern += '\\';
        pattern += c;
    }
    return pattern + '%';
}

CHistoryRecord ReadRecord(const CSqlStatement& row)
{
    CHistoryRecord record;
    record.id = row.Integer(0);
    record.time = row.Integer(1);
    record.printer = row.Text(2);
    record.number = static_cast<int>(row.Integer(3));
    record.owner = row.Text(4);
    record.setting = row.Text(5);
    record.jobBytes = static_cast<std::uint64_t>(row.Integer(6));
    record.remoteName = row.Text(7);
    record.tag = row.Text(8);
    record.result = CHistoryRecord::ParseResult(row.Text(9)).value_or(CHistoryRecord::Result::Failed);
    record.message = row.Text(10);
    record.seconds = row.Real(11);
    record.queue = row.Text(12);
    record.media = row.Text(13);
    return record;
}
}

CSendHistory::CSendHistory() = default;

CSendHistory::~CSendHistory()
{
    Close();
}

std::string CSendHistory::DefaultPath()
{
    const char* chosen = std::getenv(kPathVariable);
    if (chosen && *chosen)
        return chosen;
    return CInstallLayout::GetUserDataFolder() + "history.sqlite";
}

bool CSendHistory::Open(const std::string& path)
{
    Close();
    m_path = path;
    m_error.clear();
    if (!MakeFolders(std::filesystem::path(path).parent_path()) || !CreateFile(path))
        return Fail(std::strerror(errno));
    if (sqlite3_open_v2(path.c_str(), &m_db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_FULLMUTEX, nullptr) != SQLITE_OK) {
        FailSql("cannot open");
        Close();
        return false;
    }
    // In force before the journal mode is switched: a program making the
    // same new file holds it locked meanwhile.
    sqlite3_busy_timeout(m_db, kBusyTimeoutMs);
    if (UntilNotBusy([this] { return Configure(); }) && UntilNotBusy([this] { return CreateSchema(); }))
        return true;
    Close();
    return false;
}

bool CSendHistory::OpenDefault()
{
    if (!Open(DefaultPath()))
        return false;
    Prune(CRegistryValues::ReadHistoryDays());
    return true;
}

// Switching the journal mode, and reading a file that a competitor is
// turning to WAL, answer BUSY at once instead of waiting on the busy
// handler; so the steps of opening wait here as long as it would.
bool CSendHistory::UntilNotBusy(const std::function<bool()>& step)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(kBusyTimeoutMs);
    while (!step()) {
        if (!m_busy || std::chrono::steady_clock::now() >= deadline)
            return false;
        std::this_thread::sleep_for(kBusyRetry);
    }
    m_error.clear();
    return true;
}

bool CSendHistory::Configure()
{
    CSqlStatement wal(m_db, "PRAGMA journal_mode = WAL");
    if (!wal.Next() || wal.Text(0) != "wal")
        return FailSql("cannot use WAL");
    // In WAL mode a power loss may forget the last sends but never leaves half a one.
    return Execute("PRAGMA synchronous = NORMAL") && Execute("PRAGMA foreign_keys = ON");
}

// Checked again inside the transaction: another writer may have made the
// tables meanwhile.
bool CSendHistory::CreateSchema()
{
    const auto version = [this] {
        CSqlStatement statement(m_db, "PRAGMA user_version");
        return statement.Next() ? statement.Integer(0) : -1;
    };
    const std::int64_t found = version();
    if (found > kSchemaVersion)
        return Fail("written by a newer version of the program");
    if (found == kSchemaVersion)
        return true;
    return Transaction([&] {
        const std::int64_t current = version();
        return current == kSchemaVersion || Execute(current == 1 ? kUpgradeFrom1 : kSchema);
    });
}

std::int64_t CSendHistory::BeginSend(const CHistoryRecord& record)
{
    m_error.clear();
    if (!IsOpen()) {
        Fail("not open");
        return 0;
    }
    std::int64_t id = 0;
    const bool written = Transaction([&] {
        id = InsertSend(record);
        return id != 0 && InsertFiles(id, record.files);
    });
    return written ? id : 0;
}

std::int64_t CSendHistory::InsertSend(const CHistoryRecord& record)
{
    CSqlStatement insert(m_db, "INSERT INTO sends (time, printer, number, owner, setting, job_bytes, remote_name,"
                               " tag, result, message, seconds, queue, media) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, '', 0, ?, ?)");
    insert.Bind(1, record.time != 0 ? record.time : static_cast<std::int64_t>(std::time(nullptr)))
        .Bind(2, record.printer)
        .Bind(3, std::int64_t{record.number})
        .Bind(4, record.owner)
        .Bind(5, record.setting)
        .Bind(6, static_cast<std::int64_t>(record.jobBytes))
        .Bind(7, record.remoteName)
        .Bind(8, record.tag)
        .Bind(9, std::string(CHistoryRecord::ResultName(CHistoryRecord::Result::Unfinished)))
        .Bind(10, record.queue)
        .Bind(11, record.media);
    return insert.Run() ? sqlite3_last_insert_rowid(m_db) : 0;
}

bool CSendHistory::InsertFiles(std::int64_t id, const std::vector<CHistoryRecord::File>& files)
{
    for (std::size_t i = 0; i < files.size(); ++i) {
        CSqlStatement insert(m_db, "INSERT INTO files (send_id, position, name, size, source, path, copies)"
                                   " VALUES (?, ?, ?, ?, ?, ?, ?)");
        insert.Bind(1, id)
            .Bind(2, static_cast<std::int64_t>(i))
            .Bind(3, files[i].name)
            .Bind(4, static_cast<std::int64_t>(files[i].size))
            .Bind(5, files[i].source)
            .Bind(6, files[i].path)
            .Bind(7, std::int64_t{files[i].copies});
        if (!insert.Run())
            return false;
    }
    return true;
}

bool CSendHistory::FinishSend(std::int64_t id, CHistoryRecord::Result result, const std::string& message,
                              double seconds)
{
    m_error.clear();
    if (!IsOpen())
        return Fail("not open");
    CSqlStatement update(m_db, "UPDATE sends SET result = ?, message = ?, seconds = ? WHERE id = ?");
    update.Bind(1, std::string(CHistoryRecord::ResultName(result))).Bind(2, message).Bind(3, seconds).Bind(4, id);
    if (!update.Run())
        return FailSql("cannot record the end of a send");
    return sqlite3_changes(m_db) == 1 || Fail("no send " + std::to_string(id));
}

bool CSendHistory::RelocateFile(const std::string& source, const std::string& path)
{
    m_error.clear();
    if (!IsOpen())
        return Fail("not open");
    CSqlStatement update(m_db, "UPDATE files SET path = ? WHERE source = ?");
    update.Bind(1, path).Bind(2, source);
    return update.Run() || FailSql("cannot record where a sent file lies");
}

// Every condition is in the statement; an empty field of the filter makes its own true.
std::vector<CHistoryRecord> CSendHistory::Query(const CHistoryFilter& filter)
{
    const std::string conditions =
        " WHERE time >= ?1 AND (?2 = '' OR printer = ?2) AND (?3 = '' OR tag = ?3)"
        " AND (?4 = 0 OR result = 'unfinished') AND (?5 = '%%' OR printer LIKE ?5 ESCAPE '\\' OR owner LIKE ?5"
        " ESCAPE '\\' OR setting LIKE ?5 ESCAPE '\\' OR remote_name LIKE ?5 ESCAPE '\\' OR tag LIKE ?5 ESCAPE '\\'"
        " OR message LIKE ?5 ESCAPE '\\'"
        " OR EXISTS (SELECT 1 FROM files WHERE send_id = sends.id AND name LIKE ?5 ESCAPE '\\'))"
        " ORDER BY time DESC, id DESC LIMIT ?6";
    return Select(conditions, [&](CSqlStatement& statement) {
        statement.Bind(1, filter.since)
            .Bind(2, filter.printer)
            .Bind(3, filter.tag)
            .Bind(4, std::int64_t{filter.unfinishedOnly})
            .Bind(5, ContainsPattern(filter.text))
            .Bind(6, std::int64_t{filter.limit > 0 ? filter.limit : -1});
    });
}

std::vector<CHistoryRecord> CSendHistory::Unfinished()
{
    CHistoryFilter filter;
    filter.unfinishedOnly = true;
    return Query(filter);
}

std::optional<CHistoryRecord> CSendHistory::Find(std::int64_t id)
{
    auto found = Select(" WHERE id = ?1", [&](CSqlStatement& statement) { statement.Bind(1, id); });
    if (found.empty())
        return std::nullopt;
    return std::move(found.front());
}

std::vector<CHistoryRecord> CSendHistory::Select(const std::string& conditions,
                                                 const std::function<void(CSqlStatement&)>& bind)
{
    std::vector<CHistoryRecord> records;
    m_error.clear();
    if (!IsOpen()) {
        Fail("not open");
        return records;
    }
    CSqlStatement select(m_db, std::string(kColumns) + conditions);
    bind(select);
    while (select.Next())
        records.push_back(ReadRecord(select));
    if (select.Failed())
        FailSql("cannot read");
    for (CHistoryRecord& record : records)
        record.files = FilesOf(record.id);
    return records;
}

std::vector<CHistoryRecord::File> CSendHistory::FilesOf(std::int64_t id)
{
    CSqlStatement select(m_db,
                         "SELECT name, size, source, path, copies FROM files WHERE send_id = ? ORDER BY position");
    select.Bind(1, id);
    std::vector<CHistoryRecord::File> files;
    while (select.Next())
        files.push_back({select.Text(0), static_cast<std::uint64_t>(select.Integer(1)), select.Text(2),
                         select.Text(3), static_cast<int>(select.Integer(4))});
    return files;
}

// Cheap when there is nothing to remove: one look at the time index, no
// write lock.
int CSendHistory::Prune(int days)
{
    m_error.clear();
    if (!IsOpen()) {
        Fail("not open");
        return -1;
    }
    const std::int64_t before = static_cast<std::int64_t>(std::time(nullptr)) - std::int64_t{days} * 86400;
    CSqlStatement old(m_db, "SELECT EXISTS (SELECT 1 FROM sends WHERE time < ?)");
    old.Bind(1, before);
    if (days <= 0 || (old.Next() && old.Integer(0) == 0))
        return 0;
    int removed = -1;
    Transaction([&] {
        CSqlStatement remove(m_db, "DELETE FROM sends WHERE time < ?");
        remove.Bind(1, before);
        removed = remove.Run() ? sqlite3_changes(m_db) : -1;
        return removed >= 0;
    });
    return removed;
}

bool CSendHistory::Transaction(const std::function<bool()>& body)
{
    if (!Execute("BEGIN IMMEDIATE"))
        return false;
    if (body() && Execute("COMMIT"))
        return true;
    FailSql("cannot write");
    sqlite3_exec(m_db, "ROLLBACK", nullptr, nullptr, nullptr);
    return false;
}

bool CSendHistory::Execute(const char* sql)
{
    return sqlite3_exec(m_db, sql, nullptr, nullptr, nullptr) == SQLITE_OK || FailSql("cannot write");
}

bool CSendHistory::Fail(const std::string& what)
{
    m_error = m_path + ": " + what;
    m_busy = false;
    return false;
}

bool CSendHistory::FailSql(const std::string& what)
{
    Fail(what + ": " + (m_db ? sqlite3_errmsg(m_db) : "no database"));
    m_busy = m_db && (sqlite3_extended_errcode(m_db) & 0xff) == SQLITE_BUSY;
    return false;
}

void CSendHistory::Close()
{
    sqlite3_close(m_db);
    m_db = nullptr;
}
