#include "CSendHistory.h"

#include "CHistoryJson.h"
#include "CRegistry.h"
#include "CRegistryValues.h"
#include "CScopedEnvironment.h"
#include "CTempDir.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <ctime>

// The history as the watcher, the window and the command line share it:
// whole records after a crash, writers side by side, the user's alone.
namespace {
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

// Runs body in a child process, which then ends at once with status 1.
pid_t InChild(const std::function<void()>& body)
{
    const pid_t child = fork();
    if (child == 0) {
        body();
        _exit(1);
    }
    return child;
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
        history.BeginSend(Send("started"));
    });
    waitpid(child, nullptr, 0);

    ASSERT_TRUE(m_history.Open(m_path)) << m_history.GetError();
    EXPECT_EQ(Tags(m_history.Query()), (std::vector<std::string>{"started", "done"}));
    const auto unfinished = m_history.Unfinished();
    ASSERT_EQ(unfinished.size(), 1u);
    EXPECT_EQ(CHistoryJson::Object(unfinished[0]), CHistoryJson::Object(Send("started")));
    const CHistoryRecord::File& file = unfinished[0].files[0];
    EXPECT_EQ(file.source + " " + file.path + " " + std::to_string(file.copies), "started.src /plots/A0.hpg 2");
    EXPECT_EQ(ModeOf(m_path), 0600);
    EXPECT_EQ(ModeOf(m_dir.File("new")), 0700);
}

TEST_F(SendHistoryTest, TwoWritersAtOnceBothLand)
{
    std::vector<pid_t> writers;
    for (const std::string tag : {"one", "two"})
        writers.push_back(InChild([&] {
            CSendHistory history;
            for (int i = 0; i < 50 && history.Open(m_path); ++i)
                history.FinishSend(history.BeginSend(Send(tag)), Result::Done, "", 0);
        }));
    for (const pid_t writer : writers)
        waitpid(writer, nullptr, 0);

    ASSERT_TRUE(m_history.Open(m_path));
    for (const std::string tag : {"one", "two"}) {
        CHistoryFilter filter;
        filter.tag = tag;
        EXPECT_EQ(m_history.Query(filter).size(), 50u) << tag;
    }
    EXPECT_TRUE(m_history.Unfinished().empty());
}

// The default file and the days kept come from the environment and the registry.
TEST_F(SendHistoryTest, OpeningPrunesSendsOlderThanTheDaysKept)
{
    const CScopedEnvironment file(CSendHistory::kPathVariable, m_path);
    const CScopedEnvironment registry("QX_SENDORA_REGISTRY_DIR", m_dir.Path());
    const auto hive = CRegistry::Hive::CurrentUser;
    ASSERT_TRUE(CRegistry().WriteValue(hive, CRegistryValues::ProgramKey(), "HistoryDays", "30"));
    ASSERT_TRUE(m_history.Open(m_path));
    for (const auto& [tag, age] : {std::pair{"old", 31 * kDay}, {"kept", 29 * kDay}})
        m_history.BeginSend(Send(tag, kNow - age));

    ASSERT_TRUE(m_history.OpenDefault());
    EXPECT_EQ(Tags(m_history.Query()), std::vector<std::string>{"kept"});
    EXPECT_EQ(m_history.Prune(1), 1);
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
