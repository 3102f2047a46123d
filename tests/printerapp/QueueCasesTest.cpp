#include "CPrinterAppServer.h"
#include "CPrinterSimulator.h"
#include "LoopbackPort.h"
#include "SimulatorOptions.h"
#include "TestConfig.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

// How queues behave when things go wrong or several jobs meet: what a
// client sees through ipptool and what the printer simulator received.
namespace {
using namespace std::chrono_literals;

class QueueCases : public testing::Test {
protected:
    int Add(const std::string& queue, const std::string& printer, const std::string& driver = "qx-sendora")
    {
        const auto added = m_server.Run({"add", "-d", queue, "-v", "qxftp://" + printer + "/2", "-m", driver});
        return added.exitCode;
    }

    std::map<std::string, std::string> Job(const std::string& file, const std::string& setting = "sample") const
    {
        return {{"filename", file}, {"format", "application/vnd.hp-hpgl"}, {"job_name", "plan.plt"},
                {"copies", "1"}, {"setting", setting}, {"owner", "Ada"}};
    }

    std::string History() const
    {
        return CProcess::Run(test_config::kCli, {"history", "--json"}, m_server.Environment()).out;
    }

    CTempDir m_files;
    CPrinterAppServer m_server{{"retry-for=60"}};
};

TEST_F(QueueCases, StockPrinterAttributesTestPasses)
{
    ASSERT_EQ(Add("plotter", "127.0.0.1:" + std::to_string(FreeLoopbackPort())), 0);
    const auto result = m_server.Ipp("plotter", "/usr/share/cups/ipptool/get-printer-attributes.test");
    EXPECT_EQ(result.exitCode, 0) << result.out;
    EXPECT_NE(result.out.find("[PASS]"), std::string::npos) << result.out;
}

TEST_F(QueueCases, UnknownSettingAbortsTheJobBeforeAnythingIsSent)
{
    CPrinterSimulator printer(SimulatorOptions([](auto& o) { o.logCommands = true; }));
    ASSERT_EQ(Add("plotter", printer.Address()), 0);
    const std::string file = m_files.Write("plan.plt", "IN;");

    const auto result = m_server.Ipp("plotter", "qx-print-job.test", Job(file, "no-such-setting"));

    EXPECT_NE(result.out.find("job-state (enum) = aborted"), std::string::npos) << result.out;
    EXPECT_NE(result.out.find("no-such-setting"), std::string::npos) << result.out;
    EXPECT_EQ(FilesBelow(printer.Root()), std::set<std::string>{});
    // The status poller may have asked the printer, but nothing was stored.
    EXPECT_EQ(printer.ControlBytes().find("STOR"), std::string::npos) << printer.ControlBytes();
    const std::string history = History();
    EXPECT_NE(history.find("\"result\": \"failed\""), std::string::npos) << history;
    EXPECT_NE(history.find("no-such-setting"), std::string::npos) << history;
    EXPECT_NE(history.find("\"queue\": \"plotter\", \"media\": \"iso_a0_841x1189mm\""), std::string::npos) << history;
}

TEST_F(QueueCases, CancelDuringAStalledUploadLeavesNothingOnThePrinter)
{
    CPrinterSimulator printer(SimulatorOptions([](auto& o) { o.stallAfter = 256 << 10; }));
    ASSERT_EQ(Add("plotter", printer.Address()), 0);
    const std::string file = m_files.Write("plan.plt", std::string(8 << 20, 'P'));
    ASSERT_EQ(m_server.Ipp("plotter", "qx-submit.test", Job(file)).exitCode, 0);
    const std::string partial = printer.Root() + "plt02p/plan.plt.pjl";
    const auto deadline = std::chrono::steady_clock::now() + 30s;
    while (SizeOf(partial) == 0 && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(10ms);
    ASSERT_GT(SizeOf(partial), 0u);

    const auto cancelled = m_server.Ipp("plotter", "qx-cancel-job.test", {{"job-id", "1"}, {"owner", "Ada"}});

    EXPECT_NE(cancelled.out.find("job-state (enum) = canceled"), std::string::npos) << cancelled.out;
    EXPECT_TRUE(printer.WaitForOutput("data reset", 10s)) << printer.Output();
    EXPECT_EQ(FilesBelow(printer.Root()), std::set<std::string>{});
    EXPECT_NE(History().find("\"result\": \"cancelled\""), std::string::npos);
}

TEST_F(QueueCases, JobWaitsForAPrinterThatIsDownAndGoesOnceItIsUp)
{
    const int port = FreeLoopbackPort();
    ASSERT_EQ(Add("plotter", "127.0.0.1:" + std::to_string(port)), 0);
    const std::string file = m_files.Write("plan.plt", "IN;PU;");
    ASSERT_EQ(m_server.Ipp("plotter", "qx-submit.test", Job(file)).exitCode, 0);
    std::this_thread::sleep_for(3s);
    const auto waiting = m_server.Ipp("plotter", "qx-printer.test");
    EXPECT_NE(waiting.out.find("offline"), std::string::npos) << waiting.out;
    const auto job = m_server.Ipp("plotter", "qx-job.test", {{"job-id", "1"}, {"owner", "Ada"}});
    EXPECT_NE(job.out.find("job-state (enum) = processing"), std::string::npos) << job.out;
    EXPECT_NE(job.out.find("job-state-message (textWithoutLanguage) = The printer does not answer."), std::string::npos)
        << job.out;

    CPrinterSimulator printer(SimulatorOptions([&](auto& o) { o.port = port; }));
    ASSERT_TRUE(printer.IsRunning());
    const auto ended = m_server.Ipp("plotter", "qx-wait-job.test", {{"job-id", "1"}, {"owner", "Ada"}});

    EXPECT_NE(ended.out.find("job-state (enum) = completed"), std::string::npos) << ended.out;
    EXPECT_EQ(FilesBelow(printer.Root()), std::set<std::string>{"plt02p/plan.plt.pjl"});
}

TEST_F(QueueCases, TwoQueuesOfOnePrinterUploadOneAfterTheOther)
{
    CPrinterSimulator printer(SimulatorOptions([](auto& o) {
        o.storePauseMs = 1500;
        o.logCommands = true;
    }));
    ASSERT_EQ(Add("first", printer.Address()), 0);
    ASSERT_EQ(Add("second", printer.Address()), 0);
    const std::string one = m_files.Write("one.plt", "IN;SP1;");
    const std::string two = m_files.Write("two.plt", "IN;SP2;");

    auto first = Job(one);
    first["job_name"] = "one.plt";
    auto second = Job(two);
    second["job_name"] = "two.plt";
    ASSERT_EQ(m_server.Ipp("first", "qx-submit.test", first).exitCode, 0);
    ASSERT_EQ(m_server.Ipp("second", "qx-submit.test", second).exitCode, 0);
    m_server.Ipp("first", "qx-wait-job.test", {{"job-id", "1"}, {"owner", "Ada"}});
    m_server.Ipp("second", "qx-wait-job.test", {{"job-id", "1"}, {"owner", "Ada"}});

    // The second upload starts only once the printer has received the first.
    const std::string log = printer.Output();
    const auto firstStore = log.find("command STOR");
    const auto firstReceived = log.find("received", firstStore);
    ASSERT_NE(firstReceived, std::string::npos) << log;
    EXPECT_GT(log.find("command STOR", firstStore + 1), firstReceived) << log;
    EXPECT_EQ(FilesBelow(printer.Root()), (std::set<std::string>{"plt02p/one.plt.pjl", "plt02p/two.plt.pjl"}));
}

// PAPPL 1.3.1 on its own starts the newest waiting job first.
TEST_F(QueueCases, JobsTakenWhileTheQueuePrintsGoInTheOrderTaken)
{
    CPrinterSimulator printer(SimulatorOptions([](auto& o) { o.storePauseMs = 400; }));
    ASSERT_EQ(Add("plotter", printer.Address()), 0);
    // A job its user holds neither goes nor keeps the others waiting.
    auto held = Job(m_files.Write("held.plt", "IN;PU;"));
    held["job_name"] = "held.plt";
    held["hold"] = "indefinite";
    ASSERT_EQ(m_server.Ipp("plotter", "qx-submit.test", held).exitCode, 0);
    const std::vector<std::string> names = {"j1.plt", "j2.plt", "j3.plt", "j4.plt", "j5.plt"};
    for (const std::string& name : names) {
        auto job = Job(m_files.Write(name, "IN;PU;"));
        job["job_name"] = name;
        ASSERT_EQ(m_server.Ipp("plotter", "qx-submit.test", job).exitCode, 0);
    }
    for (int id = 2; id <= 6; ++id)
        m_server.Ipp("plotter", "qx-wait-job.test", {{"job-id", std::to_string(id)}, {"owner", "Ada"}});
    const auto stillHeld = m_server.Ipp("plotter", "qx-job.test", {{"job-id", "1"}, {"owner", "Ada"}});
    EXPECT_NE(stillHeld.out.find("job-state (enum) = pending-held"), std::string::npos) << stillHeld.out;

    std::vector<std::string> received;
    for (const std::string& line : SplitLines(printer.Output()))
        if (line.rfind("received plt02p/", 0) == 0)
            received.push_back(line.substr(16, line.find(".pjl") - 16));
    EXPECT_EQ(received, names) << printer.Output();
}

// The job being sent when the server died stays processing for good (PAPPL
// 1.3.1 starts no job of that state again); the ones behind it go.
TEST_F(QueueCases, JobsWaitingWhenTheServerIsKilledGoOnceItRunsAgain)
{
    CPrinterSimulator printer(SimulatorOptions([](auto& o) { o.storePauseMs = 1500; }));
    ASSERT_EQ(Add("plotter", printer.Address()), 0);
    for (const std::string name : {"j1.plt", "j2.plt", "j3.plt"}) {
        auto job = Job(m_files.Write(name, "IN;PU;"));
        job["job_name"] = name;
        ASSERT_EQ(m_server.Ipp("plotter", "qx-submit.test", job).exitCode, 0);
    }
    ASSERT_TRUE(printer.WaitForOutput("data closed plt02p/j1.plt.pjl", 10s)) << printer.Output();
    m_server.Kill();
    m_server.Start();
    ASSERT_TRUE(m_server.IsRunning()) << m_server.ServerLog();

    for (const char* id : {"2", "3"}) {
        const auto ended = m_server.Ipp("plotter", "qx-wait-job.test", {{"job-id", id}, {"owner", "Ada"}});
        EXPECT_NE(ended.out.find("job-state (enum) = completed"), std::string::npos) << ended.out;
    }
    EXPECT_TRUE(FileExists(printer.Root() + "plt02p/j2.plt.pjl"));
    EXPECT_TRUE(FileExists(printer.Root() + "plt02p/j3.plt.pjl"));
}

// PAPPL leaves the queue's own values out of a job's options.
TEST_F(QueueCases, JobWithoutUserNameOrSettingGetsTheQueuesOwnerAndSetting)
{
    CPrinterSimulator printer(SimulatorOptions([](auto& o) { o.models = {"PlotraK1"}; }));
    ASSERT_EQ(Add("plotter", printer.Address()), 0);
    const auto modified = m_server.Run(
        {"modify", "-d", "plotter", "-o", "qxsendora-owner-default=Bea", "-o", "qxsendora-setting-default=sample"});
    ASSERT_EQ(modified.exitCode, 0) << modified.err << m_server.ServerLog();
    const std::string file = m_files.Write("plan.plt", "IN;SP1;");

    const auto sent = m_server.Ipp("plotter", "qx-submit-anonymous.test",
                                   {{"filename", file}, {"format", "application/vnd.hp-hpgl"}, {"job_name", "plan.plt"}});
    ASSERT_EQ(sent.exitCode, 0) << sent.out;
    const auto ended = m_server.Ipp("plotter", "qx-wait-job.test", {{"job-id", "1"}, {"owner", "guest"}});

    EXPECT_NE(ended.out.find("job-state (enum) = completed"), std::string::npos) << ended.out << m_server.ServerLog();
    const std::string job = ReadFileBytes(printer.Root() + "plt02p/plan.plt.pjl");
    EXPECT_NE(job.find("Bea"), std::string::npos) << job;
    EXPECT_NE(History().find("\"owner\": \"Bea\", \"setting\": \"sample\""), std::string::npos) << History();
}

struct AutoCase {
    const char* name;
    bool psPdf;
    bool pdfOffered;
};

class AddAuto : public QueueCases, public testing::WithParamInterface<AutoCase> {};

TEST_P(AddAuto, PicksTheDriverByThePrintersPsPdfOption)
{
    CPrinterSimulator printer(SimulatorOptions([&](auto& o) {
        o.models = {"PlotraK1"};
        o.psPdf = GetParam().psPdf;
    }));
    ASSERT_EQ(Add("plotter", printer.Address(), "auto"), 0);
    const auto attributes = m_server.Ipp("plotter", "qx-printer.test");
    EXPECT_EQ(attributes.out.find("application/pdf") != std::string::npos, GetParam().pdfOffered) << attributes.out;
    EXPECT_NE(attributes.out.find("application/vnd.hp-hpgl"), std::string::npos) << attributes.out;
    EXPECT_NE(attributes.out.find("printer-make-and-model (textWithoutLanguage) = QX-Sendora PlotraK1\n"), std::string::npos)
        << attributes.out;
}

INSTANTIATE_TEST_SUITE_P(Printers, AddAuto,
                         testing::Values(AutoCase{"WithPsPdf", true, true}, AutoCase{"WithoutPsPdf", false, false}),
                         [](const auto& info) { return std::string(info.param.name); });

// The printer is gone when the server starts again: the model can only
// come from what PAPPL kept of the queue.
TEST_F(QueueCases, ModelOfAnAutoQueueOutlivesARestart)
{
    {
        CPrinterSimulator printer(SimulatorOptions([](auto& o) { o.models = {"PlotraK1"}; }));
        ASSERT_EQ(Add("plotter", printer.Address(), "auto"), 0);
    }
    m_server.Restart();
    ASSERT_TRUE(m_server.IsRunning()) << m_server.ServerLog();

    const auto attributes = m_server.Ipp("plotter", "qx-printer.test");
    EXPECT_NE(attributes.out.find("printer-make-and-model (textWithoutLanguage) = QX-Sendora PlotraK1\n"), std::string::npos)
        << attributes.out;
}

TEST_F(QueueCases, AddAutoFailsForAPrinterThatDoesNotAnswer)
{
    EXPECT_EQ(Add("plotter", "127.0.0.1:" + std::to_string(FreeLoopbackPort()), "auto"), 1);
}
}
