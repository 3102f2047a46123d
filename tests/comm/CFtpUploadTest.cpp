#include "CFtpUpload.h"

#include "CPrinterSimulator.h"
#include "CRecordingMonitor.h"
#include "CTempDir.h"
#include "CaseNames.h"
#include "SimulatorOptions.h"

#include <curl/curl.h>
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <memory>
#include <regex>
#include <tuple>

namespace {
using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

class FtpUpload : public testing::Test {
protected:
    using Options = CPrinterSimulator::Options;

    virtual Options Printer() const { return {}; }
    void SetUp() override
    {
        m_options = Printer();
        // Every command the printer receives shows in its output.
        m_options.logCommands = true;
        m_printer = std::make_unique<CPrinterSimulator>(m_options);
        if (!m_printer->IsRunning() && m_options.host == "::1")
            GTEST_SKIP() << "the loopback interface has no IPv6 address here";
        ASSERT_TRUE(m_printer->IsRunning());
    }

    CFtpUpload::Request Request(const std::string& bytes, const std::string& folder = "plt00p",
                                const std::string& name = "A0.hpg.pjl")
    {
        return {m_options.host, m_printer->Port(), "Sendora", "KX", folder, name, m_local.Write("job.pjl", bytes)};
    }

    std::string Received(const std::string& relative) const { return m_printer->Root() + relative; }

    Options m_options;
    CTempDir m_local;
    std::unique_ptr<CPrinterSimulator> m_printer;
    CRecordingMonitor m_monitor;
};

struct NameCase {
    const char* name;
    const char* folder;
    const char* file;
    std::size_t size;
    const char* host = "127.0.0.1";
};

class FtpUploadNames : public FtpUpload, public testing::WithParamInterface<NameCase> {
    Options Printer() const override { return SimulatorOptions([](auto& o) { o.host = GetParam().host; }); }
};

// Progress runs over the file in 4096-byte steps, and ends also when the
// last read fills the buffer. The printer opens the data connection itself
// (PORT or EPRT) and is sent an image.
TEST_P(FtpUploadNames, LandsWithItsBytesUnderTheName)
{
    const NameCase& c = GetParam();
    const std::string bytes = PatternBytes(c.size - 4) + "\r\n\x1a\r";
    CFtpUpload upload(Request(bytes, c.folder, c.file));

    ASSERT_EQ(upload.Run(m_monitor), CFtpUpload::Result::Finished) << upload.GetErrorText();

    std::vector<std::uint64_t> steps(c.size / 4096, 4096);
    if (c.size % 4096)
        steps.push_back(c.size % 4096);
    EXPECT_EQ(m_monitor.totals, std::vector<std::uint64_t>{c.size});
    EXPECT_EQ(m_monitor.steps, steps);
    EXPECT_EQ(m_monitor.ends, 1);
    const std::string path = std::string(c.folder) + "/" + c.file;
    EXPECT_EQ(ReadFileBytes(Received(path)), bytes);
    EXPECT_TRUE(m_printer->WaitForOutput("received " + path + " " + std::to_string(bytes.size()) + "\n", 5s));
    const std::string log = m_printer->Output();
    EXPECT_TRUE(std::regex_search(log, std::regex("\ncommand (PORT|EPRT) "))) << log;
    EXPECT_FALSE(std::regex_search(log, std::regex("\ncommand (PASV|EPSV)"))) << log;
    EXPECT_NE(log.find("\ncommand TYPE I\n"), std::string::npos) << log;
    EXPECT_EQ(upload.GetErrorText(), "");
}

INSTANTIATE_TEST_SUITE_P(Names, FtpUploadNames,
                         testing::Values(NameCase{"Plain", "plt00p", "A0.hpg.pjl", 4 * 65536},
                                         NameCase{"Setup", "plt07p", "SetupPrint.pjl", 4096 * 2 + 2048},
                                         NameCase{"Blanks", "plt99p", "site plan  v2.plt.pjl", 3 * 4096 + 21},
                                         NameCase{"UrlCharacters", "plt01p", "100% #3 ?a=b;type=a&c.plt.pjl", 21},
                                         NameCase{"NonAscii", "plt02p", "Grundri\xc3\x9f \xc3\xa9tage.tif.pjl", 4100},
                                         NameCase{"OverIPv6", "plt00p", "A0.hpg.pjl", 4096, "::1"}),
                         ByCaseName());

TEST_F(FtpUpload, CancelMidTransferDropsThePartialFile)
{
    const std::string bytes = PatternBytes(16 << 20);
    m_monitor.cancelWhen = [this] { return m_monitor.done >= (1 << 20); };
    CFtpUpload upload(Request(bytes));

    EXPECT_EQ(upload.Run(m_monitor), CFtpUpload::Result::Cancelled);

    EXPECT_LT(m_monitor.done, bytes.size());
    EXPECT_EQ(m_monitor.ends, 1);
    EXPECT_FALSE(FileExists(Received("plt00p/A0.hpg.pjl")));
    // A reset data connection, not a normal close: the printer never takes
    // the truncated job as complete.
    EXPECT_TRUE(m_printer->WaitForOutput("\ndata ", 5s));
    EXPECT_NE(m_printer->Output().find("\ndata reset plt00p/A0.hpg.pjl\n"), std::string::npos) << m_printer->Output();
    EXPECT_EQ(upload.GetErrorText(), "");
}

struct EarlyEndCase {
    const char* label;
    // Printer output after which the upload is cancelled: "" at once,
    // nullptr never.
    const char* cancelAfter;
    long replySeconds;
    CFtpUpload::Result result;
};

// Logged in, but the printer has not yet taken the file: an earlier job of
// the same name is the printer's, and nothing is sending yet.
class PrinterSlowToTakeTheFile : public FtpUpload, public testing::WithParamInterface<EarlyEndCase> {
    Options Printer() const override { return SimulatorOptions([](auto& o) { o.storePauseMs = 5000; }); }
};

TEST_P(PrinterSlowToTakeTheFile, EndingEarlyLeavesTheEarlierJobAndNeverBegins)
{
    const EarlyEndCase& c = GetParam();
    WriteFileBytes(Received("plt00p/A0.hpg.pjl"), "an earlier job");
    if (c.cancelAfter)
        m_monitor.cancelWhen = [&] { return m_printer->Output().find(c.cancelAfter) != std::string::npos; };
    auto request = Request(PatternBytes(100));
    request.connectSeconds = c.replySeconds;
    CFtpUpload upload(request);

    EXPECT_EQ(upload.Run(m_monitor), c.result);

    EXPECT_EQ(ReadFileBytes(Received("plt00p/A0.hpg.pjl")), "an earlier job");
    EXPECT_TRUE(m_monitor.totals.empty());
    EXPECT_TRUE(m_monitor.steps.empty());
    EXPECT_EQ(m_monitor.ends, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Ends, PrinterSlowToTakeTheFile,
    testing::Values(EarlyEndCase{"CancelBeforeConnecting", "", 15, CFtpUpload::Result::Cancelled},
                    EarlyEndCase{"CancelAfterTheStore", "\ncommand STOR ", 15, CFtpUpload::Result::Cancelled},
                    EarlyEndCase{"NoAnswerToTheStore", nullptr, 1, CFtpUpload::Result::Failed}), ByCaseName());

// What becomes of the printer's refusals, a wrong password and a printer
// that is off is told in the transfer report's tests; a missing job file
// ends before the printer is asked. Nothing begins on the printer and no
// folder is made.
TEST_F(FtpUpload, FailuresBeforeTheTransferSayWhy)
{
    std::filesystem::remove(Received("plt42p"));
    auto noJobFile = Request("job");
    noJobFile.localPath = m_local.File("gone.pjl");
    const std::tuple<CFtpUpload::Request, std::string, CFtpUpload::Failure> cases[] = {
        {noJobFile, "Cannot open " + noJobFile.localPath + ": ", CFtpUpload::Failure::Other},
        {Request("job", "plt42p"), "550 ", CFtpUpload::Failure::Refused}};
    for (const auto& [request, text, failure] : cases) {
        CFtpUpload upload(request);
        EXPECT_EQ(upload.Run(m_monitor), CFtpUpload::Result::Failed);
        EXPECT_NE(upload.GetErrorText().find(text), std::string::npos) << upload.GetErrorText();
        EXPECT_EQ(upload.GetFailure(), failure) << upload.GetErrorText();
    }
    EXPECT_TRUE(m_monitor.totals.empty());
    EXPECT_TRUE(FilesBelow(m_printer->Root()).empty());
    EXPECT_FALSE(std::filesystem::exists(Received("plt42p")));
}

// The printer stops taking the file: the upload ends on the timeout for no
// progress, or on a cancel once the printer's file stops growing (the
// printer may keep the last bytes it took in its own buffer, so the size on
// disk need not reach the stall point). The truncated job would be printed.
class StalledPrinter : public FtpUpload, public testing::WithParamInterface<bool> {
    Options Printer() const override { return SimulatorOptions([](auto& o) { o.stallAfter = 256 << 10; }); }
};

TEST_P(StalledPrinter, EndsSoonAndDropsThePartialJob)
{
    const bool cancel = GetParam();
    const std::string partial = Received("plt00p/A0.hpg.pjl");
    Clock::time_point stalledSince{};
    std::uint64_t lastSize = 0;
    m_monitor.cancelWhen = [&] {
        const std::uint64_t size = SizeOf(partial);
        if (size == 0 || size != lastSize) {
            lastSize = size;
            stalledSince = Clock::now();
            return false;
        }
        return cancel && Clock::now() - stalledSince > 500ms;
    };
    // Larger than what the sockets of both sides can hold.
    const std::string bytes = PatternBytes(48 << 20);
    auto request = Request(bytes);
    request.connectSeconds = 10;
    request.stallSeconds = cancel ? 60 : 2;
    CFtpUpload upload(request);
    const auto start = Clock::now();

    EXPECT_EQ(upload.Run(m_monitor), cancel ? CFtpUpload::Result::Cancelled : CFtpUpload::Result::Failed);

    EXPECT_LT(Clock::now() - start, 20s);
    const std::string error = upload.GetErrorText();
    EXPECT_EQ(upload.GetFailure(), cancel ? CFtpUpload::Failure::None : CFtpUpload::Failure::Stalled);
    EXPECT_TRUE(cancel ? error.empty() : error == curl_easy_strerror(CURLE_OPERATION_TIMEDOUT)) << error;
    EXPECT_LT(m_monitor.done, bytes.size());
    EXPECT_EQ(m_monitor.ends, 1);
    EXPECT_FALSE(FileExists(partial));
    EXPECT_EQ(m_printer->Output().find("received"), std::string::npos) << m_printer->Output();
}

INSTANTIATE_TEST_SUITE_P(By, StalledPrinter, testing::Values(false, true),
                         [](const testing::TestParamInfo<bool>& info) { return info.param ? "Cancel" : "Timeout"; });
}
