#include "CMessageService.h"

#include "CPrinterSimulator.h"
#include "CProcess.h"
#include "CRunningProcess.h"
#include "CTempDir.h"
#include "LoopbackPort.h"
#include "SettingsOnOffer.h"
#include "TestConfig.h"
#include "ResourceIds.h"
#include "CaseNames.h"
#include "SimulatorOptions.h"

#include <gtest/gtest.h>
#include <signal.h>

#include <cstring>
#include <filesystem>
#include <set>
#include <thread>

// send, setup and status as a user meets them: the real program against the printer
// simulator, each run with a registry and a temporary folder of its own.
namespace {
using namespace std::chrono_literals;

const CPrinterSimulator::Options kPrinterWithModels = SimulatorOptions([](auto& o) { o.models = {"PlotraK1"}; });

class SendCommand : public testing::Test {
protected:
    std::map<std::string, std::string> Environment() const
    {
        return {{"QX_SENDORA_REGISTRY_DIR", m_registry.Path()},
                {"TMPDIR", m_tmp.Path()},
                {"QX_SENDORA_HISTORY", m_registry.File("history.sqlite")}};
    }

    CProcessResult Cli(const std::vector<std::string>& args) const
    {
        return CProcess::Run(test_config::kCli, args, Environment());
    }

    // The command with these options first, for owner Ada (a row may give
    // --owner again), with the files and names of m_names for placeholders.
    std::vector<std::string> Command(std::vector<std::string> args, const std::vector<std::string>& first) const
    {
        for (auto& arg : args)
            arg = m_names.count(arg) ? m_names.at(arg) : arg;
        args.insert(args.begin() + 1, {"--owner", "Ada"});
        args.insert(args.begin() + 1, first.begin(), first.end());
        return args;
    }

    // The job that build makes of the same choices.
    std::string Built(const std::vector<std::string>& args) const
    {
        const std::string job = m_out.File("built.pjl");
        const auto result = Cli(Command(args, {"-o", job}));
        EXPECT_EQ(result.exitCode, 0) << result.err;
        return NormalisedJob(ReadFileBytes(job));
    }

    bool TempIsEmpty() const { return std::filesystem::is_empty(m_tmp.Path()); }

    CTempDir m_files;
    CTempDir m_registry;
    CTempDir m_tmp;
    CTempDir m_out;
    const std::map<std::string, std::string> m_names = {
        {"FILE", m_files.Write("A0.hpg", "IN;")},
        {"PDF", m_files.Write("A1.pdf", "%PDF-1.4\n%%EOF\n")},
        {"PLAN", m_files.Write("site plan #2 100% \xc3\xa9tage.plt", "IN;SP1;PA0,0;PD1000,1000;PU;\n")},
        {"UNKNOWN", m_files.Write("notes.xyz", "IN;")},
        {"SCAN", m_files.Write("scan.tif", std::string("II*\0\x08\0\0\0", 8) + std::string(9000, '\x55'))}};
};

struct LandingCase {
    const char* name;
    CPrinterSimulator::Options printer;
    std::vector<std::string> args;
    std::string remote;
    // The options that make build write the same job.
    std::vector<std::string> build;
};

class SendLanding : public SendCommand, public testing::WithParamInterface<LandingCase> {};

TEST_P(SendLanding, JobLandsInTheFolderOfTheNumberAsBuilt)
{
    const LandingCase& c = GetParam();
    CPrinterSimulator printer(c.printer);
    ASSERT_TRUE(printer.IsRunning());

    const auto result = Cli(Command(c.args, {"--printer", printer.Address()}));

    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out, c.remote + "\n");
    EXPECT_EQ(result.err, "");
    EXPECT_EQ(FilesBelow(printer.Root()), std::set<std::string>{c.remote});
    EXPECT_EQ(NormalisedJob(ReadFileBytes(printer.Root() + c.remote)), Built(c.build));
    EXPECT_TRUE(TempIsEmpty());
}

const CPrinterSimulator::Options kPrinterWithPsPdf = SimulatorOptions([](auto& o) { o.psPdf = true; });

// The printer tells the controller that build is given; a setup job takes
// no collate lines.
INSTANTIATE_TEST_SUITE_P(
    Jobs, SendLanding,
    testing::Values(
        LandingCase{"PrintList", kPrinterWithModels,
                    {"send", "--number", "3", "--setting", "sample", "--copies", "2", "--reverse", "PLAN", "SCAN"},
                    "plt03p/site plan #2 100% \xc3\xa9tage.plt.pjl",
                    {"build", "--controller", "Heron", "--setting", "sample", "--copies", "2", "--reverse", "PLAN",
                     "SCAN"}},
        LandingCase{"PdfToAPrinterWithPsPdf", kPrinterWithPsPdf, {"send", "PDF"}, "plt00p/A1.pdf.pjl",
                    {"build", "PDF"}},
        LandingCase{"Setup", kPrinterWithModels, {"setup", "--number", "7", "--setting", "sample", "--collate"},
                    "plt07p/SetupPrint.pjl", {"build", "--setting", "sample", "--controller", "Heron"}},
        LandingCase{"SetupForTheGivenController", kPrinterWithModels,
                    {"setup", "--setting", "sample", "--controller", "Others"}, "plt00p/SetupPrint.pjl",
                    {"build", "--setting", "sample"}}),
    ByCaseName());

// Interrupted mid-upload, the program cancels and drops the partial job;
// killed hard, it still leaves no job file behind.
class SendInterrupted : public SendCommand, public testing::WithParamInterface<int> {};

TEST_P(SendInterrupted, LeavesNoJobFile)
{
    CPrinterSimulator printer(SimulatorOptions([](auto& o) { o.stallAfter = 256 << 10; }));
    ASSERT_TRUE(printer.IsRunning());
    const std::string plot = m_files.Write("big.plt", std::string(48 << 20, 'P'));
    const std::string partial = printer.Root() + "plt00p/big.plt.pjl";
    CRunningProcess send(test_config::kCli, Command({"send", plot}, {"--printer", printer.Address()}),
                         Environment());
    const auto deadline = std::chrono::steady_clock::now() + 30s;
    // Data has reached the printer's file (buffered writes may leave it
    // short of where the printer stalls).
    while (SizeOf(partial) == 0 && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(10ms);
    ASSERT_GT(SizeOf(partial), 0u);

    send.Signal(GetParam());
    const auto result = send.Wait(20s);

    EXPECT_TRUE(TempIsEmpty());
    if (GetParam() == SIGKILL)
        return;
    EXPECT_EQ(result.exitCode, 3) << result.err;
    EXPECT_EQ(result.out, "");
    EXPECT_FALSE(FileExists(partial));
    EXPECT_EQ(printer.Output().find("received"), std::string::npos) << printer.Output();
    EXPECT_NE(Cli({"history"}).out.find("  1 file  50.3 MB  cancelled  "), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(By, SendInterrupted, testing::Values(SIGINT, SIGKILL),
                         [](const auto& info) { return info.param == SIGINT ? "Sigint" : "Sigkill"; });

// What a JSON parser reads of the history: one object a send, newest first.
constexpr const char* kHistoryFields = R"(import json, re, sys
for r in json.load(open(sys.argv[1])):
    files = ','.join('%s:%d:%s:%d' % (f['name'], f['size'], f['path'], f['copies']) for f in r['files'])
    time = re.fullmatch(r'\d{4}-\d\d-\d\dT\d\d:\d\d:\d\dZ', r['time']) is not None
    print(r['printer'], r['number'], r['owner'], r['setting'], files, r['job_bytes'], r['remote_name'],
          r['result'], r['message'], time, r['seconds'] >= 0, sep='|'))";

TEST_F(SendCommand, HistoryHasEveryUploadWithItsResult)
{
    CPrinterSimulator printer(kPrinterWithModels);
    ASSERT_TRUE(printer.IsRunning());
    const std::string closed = "127.0.0.1:" + std::to_string(FreeLoopbackPort());
    const std::string setup = m_out.File("setup.pjl");
    Cli(Command({"send", "--number", "3", "--setting", "sample", "PLAN", "SCAN"}, {"--printer", printer.Address()}));
    const auto failed = Cli(Command({"setup", "--setting", "sample", "--controller", "Others"}, {"--printer", closed}));
    Cli(Command({"build", "--setting", "sample", "--controller", "Others"}, {"-o", setup}));

    const auto json = Cli({"history", "--json"});
    const auto fields = CProcess::Run("/usr/bin/python3", {"-c", kHistoryFields, m_out.Write("h.json", json.out)});
    const std::string remote = "plt03p/site plan #2 100% \xc3\xa9tage.plt.pjl";
    EXPECT_EQ(fields.out, closed + "|0|Ada|sample||" + std::to_string(SizeOf(setup)) +
                              "|plt00p/SetupPrint.pjl|failed|" + failed.err.substr(16, failed.err.size() - 17) +
                              "|True|True\n" + printer.Address() + "|3|Ada|sample|site plan #2 100% " +
                              "\xc3\xa9tage.plt:29:" + m_names.at("PLAN") + ":1,scan.tif:9008:" + m_names.at("SCAN") + ":1|" + std::to_string(SizeOf(printer.Root() + remote)) +
                              "|" + remote + "|done||True|True\n")
        << fields.err;
    const std::string line = printer.Address() + "#3  Ada  sample  2 files  ";
    EXPECT_EQ(Cli({"history", "--printer", printer.Address()}).out.substr(21, line.size()), line);
    // A history that cannot be written never stops a send.
    auto environment = Environment();
    environment["QX_SENDORA_HISTORY"] = "/dev/null/history.sqlite";
    const auto sent = CProcess::Run(test_config::kCli, Command({"send", "FILE"}, {"--printer", printer.Address()}),
                                    environment);
    EXPECT_EQ(sent.exitCode, 0);
    EXPECT_EQ(sent.err, "qx-sendora-cli: warning: send history not recorded: /dev/null/history.sqlite: " +
                            std::string(std::strerror(ENOTDIR)) + "\n");
}

// status prints the controller family and the PS/PDF option, or why not;
// which models are of which family is the printer query's test.
TEST_F(SendCommand, StatusPrintsControllerAndOptionOrWhyNot)
{
    const std::pair<CPrinterSimulator::Options, std::string> printers[] = {
        {SimulatorOptions([](auto& o) { std::tie(o.models, o.psPdf) = std::tuple(kPrinterWithModels.models, true); }),
         "controller: Heron\nps/pdf: yes\n"},
        {SimulatorOptions([](auto& o) { o.hangUp = true; }), ""}};
    for (const auto& [options, out] : printers) {
        CPrinterSimulator printer(options);
        ASSERT_TRUE(printer.IsRunning());
        const auto result = Cli({"status", "--printer", printer.Address()});
        EXPECT_EQ(result.exitCode, out.empty() ? 1 : 0) << result.err;
        EXPECT_EQ(result.out, out);
        EXPECT_EQ(result.err, out.empty() ? "qx-sendora-cli: " + CMessageService::Format(ResId::kPrinterHungUpMessage) + "\n" : "");
    }
}

struct RefusalCase {
    const char* label;
    std::vector<std::string> args;
    unsigned message;
    const char* argument = "";
    bool psPdf = false;
};

class SendRefusal : public SendCommand, public testing::WithParamInterface<RefusalCase> {};

TEST_P(SendRefusal, ShowsTheMessageAndSendsNothing)
{
    const RefusalCase& c = GetParam();
    CPrinterSimulator printer(SimulatorOptions([&](auto& o) { o.psPdf = c.psPdf; }));
    ASSERT_TRUE(printer.IsRunning());

    const auto result = Cli(Command(c.args, {"--printer", printer.Address()}));

    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.out, "");
    const std::string listing = c.message == ResId::kCannotLoadSettingMessage ? SettingsOnOffer() : "";
    EXPECT_EQ(result.err, "qx-sendora-cli: " + CMessageService::Format(c.message, c.argument) + "\n" + listing);
    EXPECT_TRUE(FilesBelow(printer.Root()).empty());
    EXPECT_TRUE(TempIsEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Checks, SendRefusal,
    // The checks that the window makes alike, and the window runs through
    // the command line as well, are the window's test.
    testing::Values(
        RefusalCase{"UnknownFormat", {"send", "FILE", "UNKNOWN"}, ResId::kCliUnknownFormatMessage, "notes.xyz"},
        RefusalCase{"NoOwner", {"send", "--owner", "", "FILE"}, ResId::kNoOwnerMessage},
        // The entries are checked before printer, number and owner.
        RefusalCase{"BadEntryBeforeNoOwner", {"send", "--owner", "", "PDF"}, ResId::kNoPsPdfMessage, "A1.pdf"},
        RefusalCase{"UnknownSetting", {"send", "--setting", "smaple", "FILE"}, ResId::kCannotLoadSettingMessage, "",
                    true},
        RefusalCase{"SetupUnknownSetting", {"setup", "--setting", "default.org"}, ResId::kCannotLoadSettingMessage}),
    ByCaseName());
}
