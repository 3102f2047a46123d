#include "CMessageService.h"
#include "CProcess.h"
#include "CTempDir.h"
#include "TestConfig.h"
#include "CaseNames.h"
#include "ResourceIds.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <tuple>

// What every command shares: help, version, usage errors, start-up.
namespace {
const std::vector<std::string> kCommands = {"setting", "settings", "formats", "defaults",   "status", "send",
                                            "setup",   "build",    "inspect", "owners",     "printers",
                                            "extensions", "size", "preview", "history"};

// The description below a command's usage, which may take several lines.
std::string DescriptionOf(const std::vector<std::string>& help, const std::string& command)
{
    auto line = std::find_if(help.begin(), help.end(),
                             [&](const std::string& text) { return text.rfind("  " + command + ' ', 0) == 0 ||
                                                                   text == "  " + command; });
    if (line == help.end())
        return {};
    while (++line != help.end() && line->rfind("        ", 0) == 0)
        ;
    return line != help.end() && line->rfind("      ", 0) == 0 ? line->substr(6) : std::string();
}

// Every command has a description; that the man page knows every option
// the help names is the man page's test. --version gives the product
// version and the installed region.
TEST(CommandLine, HelpDescribesEveryCommandAndTheExitCodes)
{
    const auto result = CProcess::Run(test_config::kCli, {"--help"});

    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.err, "");
    const auto help = SplitLines(result.out);
    for (const auto& command : kCommands) {
        const std::string description = DescriptionOf(help, command);
        EXPECT_FALSE(description.empty() || description[0] == ' ' || description[0] == '[') << command;
    }
    EXPECT_TRUE(result.out.ends_with("exit codes:\n  0  done\n  1  failed (the message on standard error)\n"
                                     "  2  wrong usage\n  3  cancelled with Ctrl-C (an upload cut short is "
                                     "removed from the printer)\n"));

    const auto commandHelp = CProcess::Run(test_config::kCli, {"defaults", "--help"});
    EXPECT_EQ(commandHelp.exitCode, 0);
    EXPECT_EQ(commandHelp.out, "usage: qx-sendora-cli defaults --setting NAME|PATH [--controller NAME] "
                               "[--region CODE]\n" + DescriptionOf(help, "defaults") + "\n");
    const auto version = CProcess::Run(test_config::kCli, {"--version"});
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_EQ(version.out + version.err, "qx-sendora-cli 1.0.0 (region " + std::string(test_config::kRegion) + ")\n");
}

// A copy of the program alone in a folder: the missing resource module
// says where it was looked for; a missing helper program is named, and
// nothing looks for one on the PATH.
TEST(CommandLine, MissingPartsOfTheProgramAreNamed)
{
    CTempDir folder;
    CTempDir data;
    const std::string program = folder.File("qx-sendora-cli");
    std::filesystem::copy_file(test_config::kCli, program);
    const std::tuple<std::string, std::string, std::string, std::string> cases[] = {
        {"settings", "QX_SENDORA_DATA_DIR", data.Path(),
         "cannot load the resource module: tried " + folder.File("Res.dll") + " and " + data.File("Res.dll")},
        {"history", "PATH", test_config::kProgramDir,
         CMessageService::Format(ResId::kHelperMissingMessage, folder.File("qx-sendora-cli-history")) +
             " (No such file or directory)"}};
    for (const auto& [command, variable, value, error] : cases) {
        const auto result = CProcess::Run(program, {command}, {{variable, value}});
        EXPECT_EQ(result.exitCode, 1);
        EXPECT_EQ(result.out, "");
        EXPECT_EQ(result.err, "qx-sendora-cli: " + error + "\n");
    }
}

// Only the name and where to look: the whole help would bury the slip.
TEST(CommandLine, UnknownCommandPointsToTheHelp)
{
    const auto result = CProcess::Run(test_config::kCli, {"sned", "--printer", "plotter"});

    EXPECT_EQ(result.exitCode, 2);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err, "qx-sendora-cli: unknown command sned; see qx-sendora-cli --help\n");
}

struct UsageCase {
    const char* label;
    std::vector<std::string> args;
    std::string error;
};

class UsageError : public testing::TestWithParam<UsageCase> {};

TEST_P(UsageError, NamesTheFaultAndShowsTheUsage)
{
    const UsageCase& c = GetParam();
    CTempDir out;
    std::vector<std::string> args = c.args;
    for (auto& arg : args)
        if (arg == "OUT")
            arg = out.File("job.pjl");

    const auto result = CProcess::Run(test_config::kCli, args);

    EXPECT_EQ(result.exitCode, 2);
    EXPECT_EQ(result.out, "");
    const std::string first = "qx-sendora-cli: " + args[0] + ": " + c.error + "\n";
    EXPECT_EQ(result.err.substr(0, first.size()), first);
    EXPECT_EQ(result.err.substr(first.size()).rfind("usage: qx-sendora-cli " + args[0], 0), 0u) << result.err;
    EXPECT_FALSE(FileExists(out.File("job.pjl")));
}

const std::string kFormats = "HPGL, TIFF, CALS, CGM, POSTSCRIPT, PDF, MVNATIVE, MGL(0.01 mm/unit), MGL(0.025 mm/unit)";

INSTANTIATE_TEST_SUITE_P(
    Calls, UsageError,
    testing::Values(
        UsageCase{"SendWithoutPrinter", {"send", "--owner", "Ada", "A0.hpg"}, "--printer HOST[:PORT] is required"},
        UsageCase{"SendToPortZero", {"send", "--printer", "plotter:0", "A0.hpg"},
                  "--printer plotter:0 is not HOST or HOST:PORT with a port from 1 to 65535"},
        UsageCase{"SendNoCopies", {"send", "--printer", "plotter", "--copies", "0", "A0.hpg"},
                  "--copies must be a number from 1 to 99"},
        UsageCase{"WatchToPrinterNumberMinus1", {"watch", "OUT", "--printer", "plotter", "--number", "-1"},
                  "--number must be a number from 0 to 99"},
        UsageCase{"InspectWithoutJob", {"inspect"}, "inspect takes one JOB"},
        UsageCase{"SendUnknownOption", {"send", "--printer", "plotter", "--colour", "red", "A0.hpg"},
                  "unknown option --colour"},
        UsageCase{"FormatsUnknownOption", {"formats", "--bogus"}, "unknown option --bogus"},
        UsageCase{"DefaultsWithoutSetting", {"defaults", "--controller", "Heron"}, "--setting NAME|PATH is required"},
        UsageCase{"DefaultsSettingWithoutValue", {"defaults", "--setting"}, "--setting needs a value"},
        UsageCase{"DefaultsOperand", {"defaults", "--setting", "sample", "extra"}, "defaults takes no operand"},
        UsageCase{"SettingsOperand", {"settings", "extra"}, "settings takes no operand"},
        UsageCase{"SettingWithoutAction", {"setting"}, "setting needs list, show or save-as"},
        UsageCase{"SettingUnknownAction", {"setting", "copy", "sample", "OUT"}, "unknown action copy"},
        UsageCase{"SettingListOperand", {"setting", "list", "extra"}, "setting list takes no operand"},
        UsageCase{"SettingShowWithoutName", {"setting", "show"}, "setting show takes one NAME|PATH"},
        UsageCase{"SettingSaveAsWithoutNew", {"setting", "save-as", "sample"},
                  "setting save-as needs NAME|PATH and NEW"},
        UsageCase{"SettingSaveAsEditWithoutSection",
                  {"setting", "save-as", "sample", "OUT", "PenWidthChange=ON"},
                  "PenWidthChange=ON is not SECTION/KEY=VALUE"},
        UsageCase{"BuildWithoutOutput", {"build", "--owner", "Ada"}, "-o JOB is required"},
        UsageCase{"SendWithoutFile", {"send", "--printer", "plotter"}, "send needs at least one FILE"},
        UsageCase{"HistorySinceNoDate", {"history", "--since", "2026-02-30"}, "--since needs a date YYYY-MM-DD"},
        UsageCase{"SizeWithoutFile", {"size"}, "size needs at least one FILE"},
        UsageCase{"PreviewWithoutOutput", {"preview", "A0.hpg"}, "-o PNG is required"},
        UsageCase{"PreviewOfTwoFiles", {"preview", "A0.hpg", "A1.hpg", "-o", "OUT"}, "preview takes one FILE"},
        UsageCase{"PreviewTooNarrow", {"preview", "A0.hpg", "-o", "OUT", "--width", "8"},
                  "--width must be a number from 16 to 8192"},
        UsageCase{"BuildUnknownFormat",
                  {"build", "-o", "OUT", "--format", "PJL", "A0.hpg"},
                  "--format PJL is not one of the data formats: " + kFormats}), ByCaseName());
}
