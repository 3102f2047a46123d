#include "CSendHistory.h"

#include "CHistoryJson.h"
#include "CRegistry.h"
#include "CRegistryValues.h"
#include "CScopedEnvironment.h"
#include "CTempDir.h"

#include <gtest/gtest.h>
#include <sqlite3.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <ctime>
#include <iostream>
#include <thread>

// The history as the watcher, the window and the command line share it:
// whole records after a crash, writers side by side, the user's alone.
namespace {
using namespace std::chrono_literals;
using Result = CHistoryRecord::Result;
const std::int64_t kDay = 86400;
const std::int64_t kNow = std::time(nullptr);

CHistoryRecord Send(const std::string& tag, std::int64_t time = kNow, const std::string& printer = "plotter")
{
    return {0,   time, printer, 7, "Ada", "sample.prn", {{"A0.hpg", 3, tag + ".src", "/plots/A0.hpg", 2}}, 99,
            "plt07p/A0.hpg.pjl", tag, Result::Unfinished, "", 0};
}

std::vector<std::string> Tags(const std::vector<CHistoryRecord>& records)
{
    std::vector<std::string> tags;
    for (const auto& record : records)
        tags.push_back(record.tag);
    return tags;
}

// Runs body in a child process, which then ends at once: status 0 when
// body returned true.
pid_t InChild(const std::function<bool()>& body)
{
    const pid_t child = fork();
    if (child == 0)
        _exit(body() ? 0 : 1);
    return child;
}

// True when the child ended with status 0.
bool Succeeded(pid_t child)
{
    int status = 0;
    return waitpid(child, &status, 0) == child && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// Children that wait until all of them exist, then run body(index) at the
// same moment, as programs that a script starts together.
std::vector<pid_t> StartTogether(int count, const std::function<bool(int)>& body)
{
    int gate[2];
    if (pipe(gate) != 0)
        return {};
    std::vector<pid_t> children;
    for (int i = 0; i < count; ++i)
        children.push_back(InChild([&, i] {
            char byte = 0;
            close(gate[1]);
            // Returns when the last writing end, the parent's, closes.
            return read(gate[0], &byte, 1) == 0 && body(i);
        }));
    close(gate[0]);
    close(gate[1]);
    return children;
}

int Failures(const std::vector<pid_t>& children)
{
    int failures = 0;
    for (const pid_t child : children)
        failures += Succeeded(child) ? 0 : 1;
    return failures;
}

// A program that has begun switching a new file to WAL: it holds the
// file's write lock while it waits for readers to go, here for hold. It
// writes to ready once it holds the lock, and ends the switch after.
pid_t SwitchingToWal(const std::string& path, int ready, std::chrono::milliseconds hold)
{
    return InChild([&] {
        sqlite3* db = nullptr;
        const auto run = [&](const char* sql) { return sqlite3_exec(db, sql, nullptr, nullptr, nullptr) == SQLITE_OK; };
        const bool locked = sqlite3_open(path.c_str(), &db) == SQLITE_OK && run("BEGIN IMMEDIATE");
        if (!locked || write(ready, "!", 1) != 1)
            return false;
        std::this_thread::sleep_for(hold);
        // By now the others may be switching the file themselves, which
        // answers this switch BUSY: only the lock it held matters here.
        const bool committed = run("COMMIT");
        run("PRAGMA journal_mode = WAL");
        sqlite3_close(db);
        return committed;
    });
}

// What each program does first with a new history: open it, record a send.
bool OpenAndBegin(const std::string& path, const std::string& tag)
{
    CSendHistory history;
    if (history.Open(path) && history.BeginSend(Send(tag)) != 0)
        return true;
    std::cerr << history.GetError() << std::endl;
    return false;
}

int ModeOf(const std::string& path)
{
    struct stat info {};
    return stat(path.c_str(), &info) == 0 ? static_cast<int>(info.st_mode & 0777) : -1;
}

class SendHistoryTest : public testing::Test {
protected:
    CTempDir m_dir;
    const std::string m_path = m_dir.File("new/history.sqlite");
    CSendHistory m_history;
};

TEST_F(SendHistoryTest, AProcessEndingAfterTheUploadLeavesWholeRecordsTheUnfinishedOneFindable)
{
    const pid_t child = InChild([this] {
        CSendHistory history;
        history.Open(m_path);
        history.FinishSend(history.BeginSend(Send("done")), Result::Done, "", 4.5);
        return history.BeginSend(Send("started")) != 0;
    });
    ASSERT_TRUE(Succeeded(child));

    ASSERT_TRUE(m_history.Open(m_path)) << m_history.GetError();
    EXPECT_EQ(Tags(m_history.Query()), (std::vector<std::string>{"started", "done"}));
    const auto unfinished = m_history.Unfinished();
    ASSERT_EQ(unfinished.size(), 1u);
    EXPECT_EQ(CHistoryJson::Object(unfinished[0]), CHistoryJson::Object(Send("started")));
    EXPECT_EQ(unfinished[0].files[0].source, "started.src");  // the one field the object leaves out
    EXPECT_EQ(ModeOf(m_path), 0600);
    EXPECT_EQ(ModeOf(m_dir.File("new")), 0700);
}

// While one program switches a new file to WAL, SQLite answers the switch
// of another that has begun reading the file with BUSY at once, without
// calling its busy handler: waiting could deadlock.
TEST_F(SendHistoryTest, ProgramsOpeningANewFileWhileAnotherSwitchesItToWalWaitForIt)
{
    const std::string path = m_dir.File("history.sqlite");
    int ready[2];
    ASSERT_EQ(pipe(ready), 0);
    const pid_t switching = SwitchingToWal(path, ready[1], 300ms);
    close(ready[1]);
    char byte = 0;
    ASSERT_EQ(read(ready[0], &byte, 1), 1);
    close(ready[0]);

    EXPECT_EQ(Failures(StartTogether(3, [&](int i) { return OpenAndBegin(path, std::to_string(i)); })), 0);
    EXPECT_TRUE(Succeeded(switching));
    ASSERT_TRUE(m_history.Open(path));
    EXPECT_EQ(m_history.Query().size(), 3u);
}

// Any number of programs that a script starts together make the same new
// file, each round a fresh one: all but the first find the tables made.
TEST_F(SendHistoryTest, ProgramsOpeningOneNewHistoryTogetherAllGetIt)
{
    const int rounds = 10, together = 4;
    int failures = 0;
    for (int round = 0; round < rounds; ++round) {
        const std::string path = m_dir.File(std::to_string(round) + "/history.sqlite");
        failures += Failures(StartTogether(together, [&](int) { return OpenAndBegin(path, "x"); }));
    }
    EXPECT_EQ(failures, 0);
}

TEST_F(SendHistoryTest, TwoWritersAtOnceBothLand)
{
    const std::string tags[] = {"one", "two"};
    const auto writers = StartTogether(2, [&](int writer) {
        CSendHistory history;
        int landed = 0;
        for (int i = 0; i < 50 && history.Open(m_path); ++i)
            landed += history.FinishSend(history.BeginSend(Send(tags[writer])), Result::Done, "", 0) ? 1 : 0;
        return landed == 50;
    });
    EXPECT_EQ(Failures(writers), 0);

    ASSERT_TRUE(m_history.Open(m_path));
    for (const std::string tag : {"one", "two"}) {
        CHistoryFilter filter;
        filter.tag = tag;
        EXPECT_EQ(m_history.Query(filter).size(), 50u) << tag;
    }
    EXPECT_TRUE(m_history.Unfinished().empty());
}

// The default file and the days kept come from the environment and the
// registry; 0 days keeps every send.
TEST_F(SendHistoryTest, OpeningPrunesSendsOlderThanTheDaysKept)
{
    const CScopedEnvironment registry("QX_SENDORA_REGISTRY_DIR", m_dir.Path());
    const std::pair<const char*, std::int64_t> sends[] = {
        {"10y", 3650 * kDay}, {"31d", 31 * kDay}, {"29d", 29 * kDay}, {"2d", 2 * kDay}, {"1h", 3600}};
    const std::pair<std::string, std::vector<std::string>> cases[] = {
        {"0", {"1h", "2d", "29d", "31d", "10y"}}, {"1", {"1h"}}, {"30", {"1h", "2d", "29d"}}};
    for (const auto& [days, kept] : cases) {
        const std::string path = m_dir.File(days + "/history.sqlite");
        const CScopedEnvironment file(CSendHistory::kPathVariable, path);
        ASSERT_TRUE(CRegistry().WriteValue(CRegistry::Hive::CurrentUser, CRegistryValues::ProgramKey(), "HistoryDays",
                                           days));
        ASSERT_TRUE(m_history.Open(path)) << m_history.GetError();
        for (const auto& [tag, age] : sends)
            m_history.BeginSend(Send(tag, kNow - age));

        ASSERT_TRUE(m_history.OpenDefault()) << m_history.GetError();
        EXPECT_EQ(Tags(m_history.Query()), kept) << "HistoryDays " << days;
    }
    EXPECT_EQ(m_history.Prune(1), 2);
}

TEST_F(SendHistoryTest, QueryKeepsWhatTheFilterAsksForNewestFirst)
{
    ASSERT_TRUE(m_history.Open(m_path));
    m_history.FinishSend(m_history.BeginSend(Send("a", kNow - 2 * kDay, "p1")), Result::Failed, "50% refused", 1);
    m_history.BeginSend(Send("b", kNow - kDay, "p2"));
    // printer, since, text, tag, unfinished only, limit
    const std::pair<CHistoryFilter, std::vector<std::string>> cases[] = {
        {{"", 0, "", "", false, 0}, {"b", "a"}},       {{"p1", 0, "", "", false, 0}, {"a"}},
        {{"", kNow - kDay, "", "", false, 0}, {"b"}},  {{"", 0, "% REF", "", false, 0}, {"a"}},
        {{"", 0, "a0.HPG", "", false, 0}, {"b", "a"}}, {{"", 0, "", "", true, 0}, {"b"}},
        {{"", 0, "", "", false, 1}, {"b"}}};
    for (const auto& [filter, tags] : cases)
        EXPECT_EQ(Tags(m_history.Query(filter)), tags) << filter.printer << filter.since << filter.text;
}

TEST(HistoryJson, EscapesQuotesBackslashAndControlsKeepingUtf8)
{
    EXPECT_EQ(CHistoryJson::Quote("a\"b\\c\nd\t\x01\x7f \xc3\xa9tage"),
              R"("a\"b\\c\nd\t\u0001\u007f )" "\xc3\xa9tage\"");
}
}
