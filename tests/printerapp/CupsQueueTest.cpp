#include "CPrinterAppServer.h"
#include "CPrinterSimulator.h"
#include "CPrivateCups.h"
#include "SimulatorOptions.h"
#include "TestConfig.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>
#include <tuple>

// Linux computers print to the printer application through CUPS: an
// everywhere queue of a cupsd of the test's own points at our server, lp is
// the client and the printer simulator the printer.
namespace {
using namespace std::chrono_literals;

struct LpCase {
    const char* cupsQueue;
    const char* fileName;
    std::vector<std::string> lpOptions;
    const char* copies;
    const char* setting;  // what the job must be sent with
};

// A job goes out with its queue's setting. CUPS 2.4's ipp backend passes on
// from an everywhere queue only the standard options and those a printer
// lists in printer-mandatory-job-attributes, and its PPD generator writes
// that list with a stray quote (*cupsMandatory: ""name"), so that an
// everywhere queue made for a printer listing any cannot print at all. Our
// printers list none: "lp -o qxsendora-setting=..." keeps the queue's
// setting, and a Linux computer picks a setting by its queue, as Windows does,
// or prints through a raw queue (lpadmin without -m), whose backend passes on
// every option and the document as it is.
const LpCase kCases[] = {
    {"office", "plan.pdf", {}, "1", "sample"},
    {"office", "cover.pdf", {"-n", "2", "-o", "qxsendora-setting=-printer-defaults-"}, "2", "sample"},
    {"office-defaults", "title.pdf", {}, "1", "(Printer defaults)"},
    {"office-raw", "sheet.pdf", {"-o", "qxsendora-setting=-printer-defaults-"}, "1", "(Printer defaults)"},
    {"office-raw", "site.pdf", {"-n", "2"}, "2", "sample"},
};

std::string WaitForFile(const std::string& path)
{
    const auto deadline = std::chrono::steady_clock::now() + 60s;
    while (!FileExists(path) && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(50ms);
    // The simulator names the file when the upload begins.
    std::this_thread::sleep_for(200ms);
    return ReadFileBytes(path);
}

TEST(CupsQueue, LpJobsReachThePrinterWithTheirQueuesSetting)
{
    if (!CPrivateCups::IsInstalled())
        GTEST_SKIP() << "CUPS (cups-daemon, cups-client) is not installed";
    CPrinterSimulator printer(SimulatorOptions([](auto& o) {
        o.models = {"PlotraK1"};
        o.psPdf = true;
    }));
    CPrinterAppServer server;
    ASSERT_TRUE(server.IsRunning()) << server.ServerLog();
    ASSERT_EQ(server.AddQueue("plotter-sample", printer.Address(), 3, "qx-sendora-pdf", {"qxsendora-setting-default=sample"})
                  .exitCode,
              0);
    ASSERT_EQ(server.AddQueue("plotter-defaults", printer.Address(), 3, "qx-sendora-pdf").exitCode, 0);
    CPrivateCups cups;
    ASSERT_TRUE(cups.IsRunning()) << cups.ErrorLog();
    for (const auto& [queue, target, model] : {std::tuple{"office", "plotter-sample", "everywhere"},
                                              {"office-defaults", "plotter-defaults", "everywhere"},
                                              {"office-raw", "plotter-sample", ""}}) {
        std::vector<std::string> args = {"-p", queue, "-E", "-v", server.QueueUri(target)};
        if (*model)
            args.insert(args.end(), {"-m", model});
        const auto added = cups.Run("lpadmin", args);
        ASSERT_EQ(added.exitCode, 0) << added.err << cups.ErrorLog();
    }
    const std::string sampleBlock =
        CProcess::Run(test_config::kCli, {"defaults", "--setting", "sample", "--controller", "Heron"}).out;
    ASSERT_FALSE(sampleBlock.empty());

    CTempDir files;
    for (const LpCase& c : kCases) {
        SCOPED_TRACE(c.fileName);
        const std::string file = files.Write(c.fileName, "%PDF-1.4\n%%EOF\n");
        std::vector<std::string> args = {"-d", c.cupsQueue, "-U", "Ada"};
        args.insert(args.end(), c.lpOptions.begin(), c.lpOptions.end());
        args.push_back(file);
        const auto printed = cups.Run("lp", args);
        ASSERT_EQ(printed.exitCode, 0) << printed.err << cups.ErrorLog();

        const std::string received = NormalisedJob(WaitForFile(printer.Root() + "plt03p/" + c.fileName + ".pjl"));
        EXPECT_EQ(received, server.BuiltJob(file, {"--controller", "Heron", "--setting", c.setting, "--owner", "Ada",
                                                   "--copies", c.copies, "--number", "3"}))
            << cups.ErrorLog();
        EXPECT_EQ(received.find(sampleBlock) != std::string::npos, std::string(c.setting) == "sample");
    }
}
}
