#include "CMessageService.h"
#include "CResourceModule.h"

#include "CPrinterSimulator.h"
#include "CProcess.h"
#include "CRunningProcess.h"
#include "CTempDir.h"
#include "SettingsOnOffer.h"
#include "TestConfig.h"
#include "ResourceIds.h"
#include "CaseNames.h"
#include "SimulatorOptions.h"

#include <gtest/gtest.h>
#include <signal.h>

#include <filesystem>
#include <set>
#include <thread>

// send and setup as a user meets them: the real program against the printer
// simulator, each run with a registry and a temporary folder of its own.
namespace {
using namespace std::chrono_literals;

const CPrinterSimulator::Options kPrinterWithModels = SimulatorOptions([](auto& o) { o.models = {"PlotraK1"}; });

class SendCommand : public testing::Test {
protected:
    std::map<std::string, std::string> Environment() const
    {
        return {{"QX_SENDORA_REGISTRY_DIR", m_registry.Path()}, {"TMPDIR", m_tmp.Path()}};
    }

    CProcessResult Cli(const std::vector<std::string>& args) const
    {
        return CProcess::Run(test_config::kCli, args, Environment());
    }

    // A send to the printer, and the job the same list builds on its own.
    CProcessResult Send(const CPrinterSimulator& printer, std::vector<std::string> args) const
    {
        args.insert(args.begin(), {"send", "--printer", printer.Address()});
        return Cli(args);
    }

    std::string Built(std::vector<std::string> args) const
    {
        const std::string job = m_out.File("built.pjl");
        args.insert(args.begin(), {"build", "-o", job});
        const auto result = Cli(args);
        EXPECT_EQ(result.exitCode, 0) << result.err;
        return NormalisedJob(ReadFileBytes(job));
    }

    std::string Plot(const std::string& name, const std::string& bytes) const { return m_files.Write(name, bytes); }

    bool TempIsEmpty() const { return std::filesystem::is_empty(m_tmp.Path()); }

    CTempDir m_files;
    CTempDir m_registry;
    CTempDir m_tmp;
    CTempDir m_out;
};

TEST_F(SendCommand, JobLandsInTheFolderOfTheNumberAsBuilt)
{
    CPrinterSimulator printer(kPrinterWithModels);
    ASSERT_TRUE(printer.IsRunning());
    const std::string first = Plot("site plan #2 100% \xc3\xa9tage.plt", "IN;SP1;PA0,0;PD1000,1000;PU;\n");
    const std::string second = Plot("scan.tif", std::string("II*\0\x08\0\0\0", 8) + std::string(9000, '\x55'));
    const std::vector<std::string> choices = {"--owner", "Ada", "--setting", "sample", "--copies", "2", "--reverse",
                                              first, second};
    std::vector<std::string> args = {"--number", "3"};
    args.insert(args.end(), choices.begin(), choices.end());

    const auto result = Send(printer, args);

    ASSERT_EQ(result.exitCode, 0) << result.err;
    const std::string remote = "plt03p/site plan #2 100% \xc3\xa9tage.plt.pjl";
    EXPECT_EQ(result.out, remote + "\n");
    EXPECT_EQ(result.err, "");
    EXPECT_EQ(FilesBelow(printer.Root()), std::set<std::string>{remote});
    std::vector<std::string> build = {"--controller", "Heron"};
    build.insert(build.end(), choices.begin(), choices.end());
    EXPECT_EQ(NormalisedJob(ReadFileBytes(printer.Root() + remote)), Built(build));
    EXPECT_TRUE(TempIsEmpty());
}

TEST_F(SendCommand, PdfGoesToAPrinterWithPostScriptAndPdf)
{
    CPrinterSimulator printer(SimulatorOptions([](auto& o) { o.psPdf = true; }));
    ASSERT_TRUE(printer.IsRunning());
    const std::string pdf = Plot("cover.pdf", "%PDF-1.4\n%%EOF\n");

    const auto result = Send(printer, {"--owner", "Ada", pdf});

    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out, "plt00p/cover.pdf.pjl\n");
    EXPECT_EQ(NormalisedJob(ReadFileBytes(printer.Root() + "plt00p/cover.pdf.pjl")), Built({"--owner", "Ada", pdf}));
}

TEST_F(SendCommand, SetupLandsAsSetupPrintInTheFolderOfTheNumber)
{
    CPrinterSimulator printer(kPrinterWithModels);
    ASSERT_TRUE(printer.IsRunning());

    // Same copies for all mean nothing to a setup job: no collate lines.
    const auto result = Cli({"setup", "--printer", printer.Address(), "--number", "7", "--owner", "Ada", "--setting",
                             "sample", "--collate"});

    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out, "plt07p/SetupPrint.pjl\n");
    EXPECT_EQ(FilesBelow(printer.Root()), std::set<std::string>{"plt07p/SetupPrint.pjl"});
    // The printer told the controller, as a print-list send would have.
    EXPECT_EQ(NormalisedJob(ReadFileBytes(printer.Root() + "plt07p/SetupPrint.pjl")),
              Built({"--owner", "Ada", "--setting", "sample", "--controller", "Heron"}));
    EXPECT_TRUE(TempIsEmpty());
}

TEST_F(SendCommand, SetupTakesTheControllerItIsGiven)
{
    CPrinterSimulator printer(kPrinterWithModels);
    ASSERT_TRUE(printer.IsRunning());

    const auto result = Cli({"setup", "--printer", printer.Address(), "--owner", "Ada", "--setting", "sample",
                             "--controller", "Others"});

    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(NormalisedJob(ReadFileBytes(printer.Root() + "plt00p/SetupPrint.pjl")),
              Built({"--owner", "Ada", "--setting", "sample"}));
}

TEST_F(SendCommand, InterruptDuringTheUploadCancelsAndDropsThePartialJob)
{
    CPrinterSimulator printer(SimulatorOptions([](auto& o) { o.stallAfter = 256 << 10; }));
    ASSERT_TRUE(printer.IsRunning());
    const std::string plot = Plot("big.plt", std::string(48 << 20, 'P'));
    const std::string partial = printer.Root() + "plt00p/big.plt.pjl";
    CRunningProcess send(test_config::kCli, {"send", "--printer", printer.Address(), "--owner", "Ada", plot},
                         Environment());
    const auto deadline = std::chrono::steady_clock::now() + 30s;
    // The printer has taken what it takes before it stalls.
    while (SizeOf(partial) < (256 << 10) && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(10ms);

    send.Signal(SIGINT);
    const auto result = send.Wait(20s);

    EXPECT_EQ(result.exitCode, 3) << result.err;
    EXPECT_EQ(result.out, "");
    EXPECT_FALSE(FileExists(partial));
    EXPECT_EQ(printer.Output().find("received"), std::string::npos) << printer.Output();
    EXPECT_TRUE(TempIsEmpty());
}

struct RefusalCase {
    const char* label;
    bool psPdf;
    // The command, then what follows --printer: FILE, PDF and BROKEN (a
    // name with a line break) stand for plot files, DEFAULTS for the name
    // of the printer defaults.
    std::vector<std::string> args;
    unsigned message;
    const char* argument;
};

void PrintTo(const RefusalCase& c, std::ostream* out)
{
    *out << c.label;
}

class SendRefusal : public SendCommand, public testing::WithParamInterface<RefusalCase> {};

TEST_P(SendRefusal, ShowsTheMessageAndSendsNothing)
{
    const RefusalCase& c = GetParam();
    CPrinterSimulator printer(SimulatorOptions([&](auto& o) { o.psPdf = c.psPdf; }));
    ASSERT_TRUE(printer.IsRunning());
    std::vector<std::string> args = {c.args[0], "--printer", printer.Address()};
    const std::map<std::string, std::string> placeholders = {
        {"FILE", Plot("A0.hpg", "IN;")},
        {"PDF", Plot("A1.pdf", "%PDF")},
        {"BROKEN", Plot("A0\n.hpg", "IN;")},
        {"DEFAULTS", CResourceModule::LoadString(ResId::kPrinterDefaultsName)}};
    for (std::size_t i = 1; i < c.args.size(); ++i)
        args.push_back(placeholders.count(c.args[i]) ? placeholders.at(c.args[i]) : c.args[i]);

    const auto result = Cli(args);

    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.out, "");
    const std::string listing = c.message == ResId::kCannotLoadSettingMessage ? SettingsOnOffer() : "";
    EXPECT_EQ(result.err, CMessageService::Format(c.message, c.argument) + "\n" + listing);
    EXPECT_TRUE(FilesBelow(printer.Root()).empty());
    EXPECT_TRUE(TempIsEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Checks, SendRefusal,
    testing::Values(
        RefusalCase{"NoCopies", false, {"send", "--owner", "Ada", "--copies", "0", "FILE"}, ResId::kBadCopiesMessage, "A0.hpg"},
        RefusalCase{"HundredCopies", false, {"send", "--owner", "Ada", "--copies", "100", "FILE"}, ResId::kBadCopiesMessage, "A0.hpg"},
        RefusalCase{"PdfWithoutPsPdf", false, {"send", "--owner", "Ada", "FILE", "PDF"}, ResId::kNoPsPdfMessage, "A1.pdf"},
        RefusalCase{"NoOwner", false, {"send", "--owner", "", "FILE"}, ResId::kNoOwnerMessage, ""},
        // The entries are checked before printer, number and owner.
        RefusalCase{"BadEntryBeforeNoOwner", false, {"send", "--owner", "", "--copies", "0", "FILE"}, ResId::kBadCopiesMessage, "A0.hpg"},
        RefusalCase{"NumberOutOfRange", false, {"send", "--owner", "Ada", "--number", "100", "FILE"}, ResId::kBadPrinterNumberMessage, ""},
        RefusalCase{"NameThePrinterCannotStore", false, {"send", "--owner", "Ada", "BROKEN"}, ResId::kUnusableNameMessage, "A0\n.hpg"},
        RefusalCase{"UnknownSetting", true, {"send", "--owner", "Ada", "--setting", "smaple", "FILE"}, ResId::kCannotLoadSettingMessage, ""},
        RefusalCase{"SetupWithTheDefaults", false,
                    {"setup", "--owner", "Ada", "--setting", "DEFAULTS"}, ResId::kDefaultSetupMessage, ""},
        RefusalCase{"SetupUnknownSetting", false, {"setup", "--owner", "Ada", "--setting", "default.org"}, ResId::kCannotLoadSettingMessage, ""},
        RefusalCase{"SetupNoOwner", false, {"setup", "--owner", "", "--setting", "sample"}, ResId::kNoOwnerMessage, ""}),
    ByCaseName());
}
