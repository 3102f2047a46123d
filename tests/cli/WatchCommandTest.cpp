#include "CMessageService.h"

#include "CPrinterSimulator.h"
#include "CProcess.h"
#include "CRunningProcess.h"
#include "CSendHistory.h"
#include "CTempDir.h"
#include "LoopbackPort.h"
#include "ResourceIds.h"
#include "SimulatorOptions.h"
#include "TestConfig.h"

#include <gtest/gtest.h>
#include <signal.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <regex>
#include <thread>

// The hot folder as a user runs it: the real program watching a folder of
// its own, sending to the printer simulator, stopped by a signal.
namespace {
using namespace std::chrono_literals;

class WatchCommand : public testing::Test {
protected:
    std::unique_ptr<CRunningProcess> Watch(const std::string& printer, std::vector<std::string> options = {}) const
    {
        options.insert(options.begin(), {"watch", m_folder.Path(), "--printer", printer, "--owner", "Ada",
                                         "--settle", "0.3"});
        auto watch = std::make_unique<CRunningProcess>(
            test_config::kCli, options,
            std::map<std::string, std::string>{{"QX_SENDORA_REGISTRY_DIR", m_registry.Path()},
                                               {"QX_SENDORA_HISTORY", m_registry.File("history.sqlite")},
                                               {"TMPDIR", m_tmp.Path()}});
        EXPECT_TRUE(WaitFor([&] { return watch->Output().find("watching ") != std::string::npos; }));
        return watch;
    }

    static bool WaitFor(const std::function<bool()>& done, std::chrono::seconds timeout = 20s)
    {
        const auto deadline = std::chrono::steady_clock::now() + timeout;
        while (!done() && std::chrono::steady_clock::now() < deadline)
            std::this_thread::sleep_for(20ms);
        return done();
    }

    static bool Printed(CRunningProcess& watch, const std::string& line)
    {
        return WaitFor([&] { return watch.Output().find(line) != std::string::npos; });
    }

    // Stopped as systemd stops it: a clean stop, exit status 0.
    static std::string Stop(CRunningProcess& watch)
    {
        watch.Signal(SIGTERM);
        const CProcessResult result = watch.Wait(20s);
        EXPECT_EQ(result.exitCode, 0) << result.err;
        return result.out;
    }

    static std::size_t Count(const std::string& text, const std::string& part)
    {
        std::size_t count = 0;
        for (auto at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
            ++count;
        return count;
    }

    CTempDir m_folder;
    CTempDir m_registry;
    CTempDir m_tmp;
};

TEST_F(WatchCommand, EachWholeFileGoesOnceAndEndsInSentOrFailed)
{
    CPrinterSimulator printer({});
    ASSERT_TRUE(printer.IsRunning());
    m_folder.Write("A0.plt", "IN;");  // there before the start: taken once settled
    m_folder.Write("sent/A1.plt", "old");
    auto watch = Watch(printer.Address());
    m_folder.Write("A1.plt", "IN;SP1;");
    m_folder.Write("A2.hpg", "IN;SP2;");
    m_folder.Write("notes.xyz", "?");
    m_folder.Write(".~A3.plt", "IN;");
    // No printer takes such a name; the events say so on one line each.
    m_folder.Write("new\nline\t.plt", "IN;");
    const std::string slow = PatternBytes(20 * 4096, 7);
    {
        std::ofstream file(m_folder.File("slow.plt"), std::ios::binary);
        for (std::size_t at = 0; at < slow.size(); at += 4096, std::this_thread::sleep_for(100ms))
            file.write(slow.data() + at, 4096).flush();
    }
    ASSERT_TRUE(Printed(*watch, "sent slow.plt"));
    const std::string out = Stop(*watch);

    const std::string job = printer.Root() + "plt00p/";
    EXPECT_EQ(FilesBelow(job), (std::set<std::string>{"A0.plt.pjl", "A1.plt.pjl", "A2.hpg.pjl", "slow.plt.pjl"}));
    EXPECT_EQ(Count(printer.Output(), "received "), 4u) << printer.Output();
    EXPECT_NE(ReadFileBytes(job + "slow.plt.pjl").find(slow), std::string::npos);
    std::set<std::string> files = FilesBelow(m_folder.Path());
    const auto stamped = std::find_if(files.begin(), files.end(), [](const std::string& name) {
        return std::regex_match(name, std::regex(R"(sent/A1\.\d{8}-\d{6}\.plt)"));
    });
    ASSERT_NE(stamped, files.end());
    EXPECT_EQ(ReadFileBytes(m_folder.File(*stamped)), "IN;SP1;");
    files.erase(stamped);
    EXPECT_EQ(files, (std::set<std::string>{".~A3.plt", "failed/new\nline\t.plt", "failed/new\nline\t.plt.reason.txt",
                                            "failed/notes.xyz", "failed/notes.xyz.reason.txt", "sent/A0.plt",
                                            "sent/A1.plt", "sent/A2.hpg", "sent/slow.plt"}));
    EXPECT_EQ(ReadFileBytes(m_folder.File("sent/A1.plt")), "old");
    const std::string reason = CMessageService::Format(ResId::kUnknownFormatMessage, "notes.xyz");
    EXPECT_EQ(ReadFileBytes(m_folder.File("failed/notes.xyz.reason.txt")), reason + "\n");
    EXPECT_NE(out.find("failed notes.xyz: " + reason + "\n"), std::string::npos) << out;
    for (const char* line : {"\ntaken new\\nline\\t.plt\n", "\nfailed new\\nline\\t.plt: "})
        EXPECT_NE(out.find(line), std::string::npos) << out;
    EXPECT_EQ(Count(out, "taken "), 5u) << out;
}

TEST_F(WatchCommand, FilesOfOneBatchGoAsOneJobInNameOrder)
{
    CPrinterSimulator printer({});
    ASSERT_TRUE(printer.IsRunning());
    auto watch = Watch(printer.Address(), {"--batch", "1"});
    m_folder.Write("B1.plt", "IN;");
    m_folder.Write("B0.plt", "IN;");
    ASSERT_TRUE(Printed(*watch, "sent B0.plt, B1.plt as plt00p/B0.plt.pjl\n"));
    Stop(*watch);

    const std::string job = ReadFileBytes(printer.Root() + "plt00p/B0.plt.pjl");
    EXPECT_LT(job.find("FILENAME = \"B0.plt\""), job.find("FILENAME = \"B1.plt\""));
    EXPECT_EQ(FilesBelow(printer.Root()), std::set<std::string>{"plt00p/B0.plt.pjl"});
    EXPECT_EQ(FilesBelow(m_folder.Path()), (std::set<std::string>{"sent/B0.plt", "sent/B1.plt"}));
    // The history knows where the files went, so the send can be put back.
    CSendHistory history;
    ASSERT_TRUE(history.Open(m_registry.File("history.sqlite")));
    const auto sends = history.Query();
    ASSERT_EQ(sends.size(), 1u);
    std::vector<std::string> paths;
    for (const auto& file : sends[0].files)
        paths.push_back(file.path);
    const std::string sent = std::filesystem::path(m_folder.Path() + "sent/").lexically_normal().string();
    EXPECT_EQ(paths, (std::vector<std::string>{sent + "B0.plt", sent + "B1.plt"}));
}

TEST_F(WatchCommand, APrinterThatNeverAnswersIsTriedAgainThenTheFileFails)
{
    const std::string printer = "127.0.0.1:" + std::to_string(FreeLoopbackPort());
    auto watch = Watch(printer, {"--retry-for", "1.5"});
    m_folder.Write("A0.plt", "IN;");
    ASSERT_TRUE(Printed(*watch, "failed A0.plt"));
    const std::string out = Stop(*watch);

    const std::string reason = CMessageService::Format(ResId::kNoAnswerMessage);
    EXPECT_NE(out.find("retrying A0.plt in 1.0 s: " + reason + "\nretrying A0.plt in 0.5 s: "), std::string::npos)
        << out;
    EXPECT_EQ(FilesBelow(m_folder.Path()), (std::set<std::string>{"failed/A0.plt", "failed/A0.plt.reason.txt"}));
    EXPECT_EQ(ReadFileBytes(m_folder.File("failed/A0.plt.reason.txt")), reason + "\n");
}

// Stopped during an upload, cleanly or not, the next start sends the job
// once more, whole, and nothing else twice.
class WatchInterrupted : public WatchCommand, public testing::WithParamInterface<int> {};

TEST_P(WatchInterrupted, TheNextStartSendsTheCutJobOnceWhole)
{
    CPrinterSimulator printer(SimulatorOptions([](auto& o) {
        std::tie(o.stallAfter, o.stallJobs, o.logCommands) = std::tuple(256 << 10, 1, true);
    }));
    ASSERT_TRUE(printer.IsRunning());
    const std::string partial = printer.Root() + "plt00p/big.plt.pjl";
    auto watch = Watch(printer.Address());
    m_folder.Write("A0.plt", "IN;");
    ASSERT_TRUE(Printed(*watch, "sent A0.plt"));
    m_folder.Write("big.plt", std::string(48 << 20, 'P'));
    // The printer buffers a little of what it takes before it stalls.
    ASSERT_TRUE(WaitFor([&] { return SizeOf(partial) >= (128 << 10); })) << watch->Output();

    watch->Signal(GetParam());
    const CProcessResult stopped = watch->Wait(20s);
    EXPECT_EQ(stopped.exitCode, GetParam() == SIGTERM ? 0 : 128 + SIGKILL) << stopped.err;
    EXPECT_EQ(FileExists(partial), GetParam() == SIGKILL);
    const std::set<std::string> left = FilesBelow(m_folder.Path() + ".sending");
    ASSERT_EQ(left.size(), 1u);
    EXPECT_EQ(std::filesystem::path(*left.begin()).filename(), "big.plt");
    watch = Watch(printer.Address());
    ASSERT_TRUE(Printed(*watch, "sent big.plt"));
    const std::string out = Stop(*watch);

    EXPECT_EQ(out.find("removed plt00p/big.plt.pjl") != std::string::npos, GetParam() == SIGKILL) << out;
    EXPECT_EQ(Count(printer.Output(), "command DELE big.plt.pjl"), 1u);
    EXPECT_EQ(Count(printer.Output(), "received plt00p/big.plt.pjl"), 1u);
    EXPECT_EQ(Count(printer.Output(), "received plt00p/A0.plt.pjl"), 1u);
    EXPECT_EQ(FilesBelow(m_folder.Path()), (std::set<std::string>{"sent/A0.plt", "sent/big.plt"}));
    const std::string built = m_tmp.File("built.pjl");
    ASSERT_EQ(CProcess::Run(test_config::kCli, {"build", "-o", built, "--owner", "Ada", m_folder.File("sent/big.plt")},
                            {{"QX_SENDORA_REGISTRY_DIR", m_registry.Path()}})
                  .exitCode,
              0);
    // Job names differ, never their length.
    EXPECT_EQ(SizeOf(partial), SizeOf(built));
}

INSTANTIATE_TEST_SUITE_P(By, WatchInterrupted, testing::Values(SIGTERM, SIGKILL),
                         [](const auto& info) { return info.param == SIGTERM ? "Sigterm" : "Sigkill"; });
}
