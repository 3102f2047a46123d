#include "CMessageService.h"

#include "CProcess.h"
#include "CRunningProcess.h"
#include "CTempDir.h"
#include "ResourceIds.h"
#include "SettingsOnOffer.h"
#include "TestConfig.h"
#include "CaseNames.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <unistd.h>

#include <filesystem>
#include <thread>

// build as a user meets it. A failed or cancelled build leaves neither the
// job nor a temporary file behind.
namespace {
using namespace std::chrono_literals;

const std::string kUel = "\x1b%-12345X";

class BuildCommand : public testing::Test {
protected:
    std::map<std::string, std::string> Environment() const { return {{"TMPDIR", m_tmp.Path()}}; }

    CProcessResult Build(std::vector<std::string> args) const
    {
        args.insert(args.begin(), {"build", "-o", m_job});
        return CProcess::Run(test_config::kCli, args, Environment());
    }

    bool TempIsEmpty() const { return std::filesystem::is_empty(m_tmp.Path()); }

    CTempDir m_files;
    CTempDir m_tmp;
    CTempDir m_out;
    const std::string m_job = m_out.File("job.pjl");
};

TEST_F(BuildCommand, WritesTheJobAndNoTemporaryFile)
{
    const auto result = Build({"--owner", "Ada", m_files.Write("A0.hpg", "IN;")});

    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err, "");
    const std::string job = ReadFileBytes(m_job);
    EXPECT_EQ(job.rfind(kUel + "@PJL\n@PJL RESET\n@PJL JOB NAME = \"", 0), 0u);
    EXPECT_NE(job.find("@PJL ENTER LANGUAGE = HPGL\nIN;" + kUel + "@PJL EOJ NAME = \""), std::string::npos);
    EXPECT_TRUE(TempIsEmpty());
}

TEST_F(BuildCommand, FormatIsMatchedWithoutRegardToCaseAndWrittenAsConfigured)
{
    const std::string plot = m_files.Write("scan.tif", "II*");
    for (const auto& [format, lines] : std::vector<std::pair<std::string, std::string>>{
             {"hpgl", "@PJL ENTER LANGUAGE = HPGL\n"},
             {"mgl(0.025 MM/UNIT)", "@PJL SET MGLUNIT = 0.025\n@PJL SET PSDEFAULTDMS = ON\n"
                                    "@PJL SET FILENAME = \"scan.tif\"\n@PJL ENTER LANGUAGE = MGL\n"}}) {
        const auto result = Build({"--owner", "Ada", "--format", format, plot});

        ASSERT_EQ(result.exitCode, 0) << result.err;
        EXPECT_NE(ReadFileBytes(m_job).find(lines + "II*" + kUel), std::string::npos) << format;
    }
}

TEST_F(BuildCommand, InterruptCancelsAndLeavesNothing)
{
    // Sparse, so it costs no disk, yet takes a while to copy.
    const std::string plot = m_files.File("huge.plt");
    WriteFileBytes(plot, "");
    std::filesystem::resize_file(plot, std::uintmax_t{4} << 30);
    CRunningProcess build(test_config::kCli, {"build", "-o", m_job, "--owner", "Ada", plot}, Environment());
    // The job file in the temporary folder shows that the copy has begun.
    const auto deadline = std::chrono::steady_clock::now() + 30s;
    while (TempIsEmpty() && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(1ms);

    build.Signal(SIGINT);
    const auto result = build.Wait(30s);

    EXPECT_EQ(result.exitCode, 3) << result.err;
    EXPECT_EQ(result.err, "");
    EXPECT_FALSE(FileExists(m_job));
    EXPECT_TRUE(TempIsEmpty());
}

TEST_F(BuildCommand, WriteErrorIsReportedAndLeavesNothing)
{
    // Jobs that fit into the write buffer and jobs that do not.
    for (const std::size_t size : {100u << 10, 1u << 20}) {
        const std::string plot = m_files.Write("A0.hpg", std::string(size, 'x'));
        // A file size limit of 32 or 64 KiB (the shell's unit); the signal
        // that comes with it must not end the program.
        const auto result = CProcess::Run("/bin/sh",
                                          {"-c", "ulimit -f 64 && exec \"$0\" \"$@\"", test_config::kCli, "build",
                                           "-o", m_job, "--owner", "Ada", plot},
                                          Environment());

        EXPECT_EQ(result.exitCode, 1) << size;
        // The file's error, then the build's failure.
        EXPECT_EQ(result.err.rfind("Cannot write " + m_tmp.Path() + "MSD", 0), 0u) << result.err;
        EXPECT_TRUE(result.err.ends_with(": File too large\n" + CMessageService::Format(ResId::kBuildFailedMessage) +
                                         "\n"))
            << result.err;
        EXPECT_FALSE(FileExists(m_job));
        EXPECT_TRUE(TempIsEmpty());
    }
}

struct FailureCase {
    const char* label;
    // FILE, BROKEN, UNKNOWN, FOLDER and GONE stand for plot and setting
    // files, OUT... for where the job goes.
    std::vector<std::string> args;
    // The message shown, or else a text that standard error must hold.
    unsigned message;
    std::string argument;
    // The temporary folder, when not the test's own.
    std::string tmpdir = {};
};

void PrintTo(const FailureCase& c, std::ostream* out)
{
    *out << c.label;
}

class BuildFailure : public BuildCommand, public testing::WithParamInterface<FailureCase> {};

TEST_P(BuildFailure, LeavesNeitherJobNorTemporaryFile)
{
    const FailureCase& c = GetParam();
    const std::map<std::string, std::string> placeholders = {
        {"FILE", m_files.Write("A0.hpg", "IN;")},
        {"BROKEN", m_files.Write("broken.prn", "[QXSD]\nHPPJL Version=1.0.0\n")},
        {"UNKNOWN", m_files.Write("drawing.xyz", "?")},
        {"FOLDER", m_files.Path()},
        {"GONE", m_files.File("gone.hpg")},
        {"OUTJOB", m_job},
        {"OUTMISSING", m_out.File("missing/job.pjl")},
        {"OUTFOLDER", m_out.File("folder")}};
    std::vector<std::string> args = {"build"};
    for (const auto& arg : c.args)
        args.push_back(placeholders.count(arg) ? placeholders.at(arg) : arg);
    std::filesystem::create_directory(m_out.File("folder"));
    auto environment = Environment();
    if (!c.tmpdir.empty())
        environment["TMPDIR"] = c.tmpdir == "MISSING" ? m_tmp.File("missing") : c.tmpdir;

    const auto result = CProcess::Run(test_config::kCli, args, environment);

    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.out, "");
    const std::string listing = c.message == ResId::kCannotLoadSettingMessage ? SettingsOnOffer() : "";
    if (c.message != 0)
        EXPECT_EQ(result.err, CMessageService::Format(c.message, c.argument) + "\n" + listing);
    else
        EXPECT_NE(result.err.find(c.argument), std::string::npos) << result.err;
    EXPECT_FALSE(FileExists(m_job));
    EXPECT_FALSE(std::filesystem::exists(m_out.File("missing")));
    EXPECT_TRUE(std::filesystem::is_empty(m_out.File("folder")));
    EXPECT_TRUE(TempIsEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Failures, BuildFailure,
    testing::Values(
        FailureCase{"MissingPlotFile", {"-o", "OUTJOB", "--owner", "Ada", "GONE"}, 0, "gone.hpg"},
        FailureCase{"FolderAsPlotFile", {"-o", "OUTJOB", "--owner", "Ada", "FOLDER"}, 0, "Is a directory"},
        FailureCase{"UnknownFormat", {"-o", "OUTJOB", "--owner", "Ada", "UNKNOWN"}, ResId::kUnknownFormatMessage,
                    "drawing.xyz"},
        FailureCase{"NoOwner", {"-o", "OUTJOB", "--owner", "", "FILE"}, ResId::kNoOwnerMessage, ""},
        FailureCase{"OwnerWithQuote", {"-o", "OUTJOB", "--owner", "Ada\"\n@PJL RESET", "FILE"},
                    ResId::kUnsafeOwnerMessage, ""},
        FailureCase{"MissingSettingPath",
                    {"-o", "OUTJOB", "--owner", "Ada", "--setting", "/nonexistent/x.prn", "FILE"},
                    ResId::kCannotLoadSettingMessage, ""},
        FailureCase{"SettingLacksAKey", {"-o", "OUTJOB", "--owner", "Ada", "--setting", "BROKEN", "FILE"},
                    ResId::kMissingSettingMessage, ""},
        FailureCase{"SetupLacksAKey", {"-o", "OUTJOB", "--owner", "Ada", "--setting", "BROKEN"},
                    ResId::kMissingSettingMessage, ""},
        FailureCase{"OutputFolderMissing", {"-o", "OUTMISSING", "--owner", "Ada", "FILE"}, 0, "Cannot write"},
        FailureCase{"OutputIsAFolder", {"-o", "OUTFOLDER", "--owner", "Ada", "FILE"}, 0, "Cannot write"},
        FailureCase{"NoTemporaryFolder", {"-o", "OUTJOB", "--owner", "Ada", "FILE"}, ResId::kNoTempFolderMessage, "",
                    "MISSING"},
        // No file can be created there, not even by root.
        FailureCase{"NoTemporaryName", {"-o", "OUTJOB", "--owner", "Ada", "FILE"}, ResId::kNoTempNameMessage, "",
                    "/proc/"}), ByCaseName());
}
