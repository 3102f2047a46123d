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

#include <filesystem>
#include <thread>

// build as a user meets it. A failed or cancelled build leaves neither the
// job nor a temporary file behind.
namespace {
using namespace std::chrono_literals;

const std::string kUel = "\x1b%-12345X";

// Whether the process has a file of the folder open, named or not.
bool HoldsFileIn(const CRunningProcess& process, const std::string& folder)
{
    std::error_code error;
    const std::string fds = "/proc/" + std::to_string(process.GetPid()) + "/fd";
    for (const auto& fd : std::filesystem::directory_iterator(fds, error))
        if (std::filesystem::read_symlink(fd.path(), error).string().starts_with(folder))
            return true;
    return false;
}

class BuildCommand : public testing::Test {
protected:
    // A build for owner Ada into m_job (a row may give -o or --owner again),
    // with the files of Placeholders() for their names.
    CProcessResult Build(std::vector<std::string> args, std::map<std::string, std::string> environment = {}) const
    {
        const auto names = Placeholders();
        for (auto& arg : args)
            arg = names.count(arg) ? names.at(arg) : arg;
        args.insert(args.begin(), {"build", "-o", m_job, "--owner", "Ada"});
        environment.insert({"TMPDIR", m_tmp.Path()});
        return CProcess::Run(test_config::kCli, args, environment);
    }
    std::map<std::string, std::string> Placeholders() const
    {
        return {{"FILE", m_files.Write("A0.hpg", "IN;")},
                {"BROKEN", m_files.Write("broken.prn", "[QXSD]\nHPPJL Version=1.0.0\n")},
                {"UNKNOWN", m_files.Write("drawing.xyz", "?")},
                {"FOLDER", m_files.Path()},
                {"GONE", m_files.File("gone.hpg")},
                {"OUTMISSING", m_out.File("missing/job.pjl")},
                {"OUTFOLDER", m_out.File("folder")}};
    }

    bool TempIsEmpty() const { return std::filesystem::is_empty(m_tmp.Path()); }

    CTempDir m_files;
    CTempDir m_tmp;
    CTempDir m_out;
    const std::string m_job = m_out.File("job.pjl");
};

// The format comes from the extension, or from --format in any case, and is
// written as configured.
TEST_F(BuildCommand, WritesTheJobAndNoTemporaryFile)
{
    const std::string plot = m_files.Write("scan.tif", "II*");
    const std::string name = "@PJL SET PSDEFAULTDMS = ON\n@PJL SET FILENAME = \"scan.tif\"\n";
    for (const auto& [format, lines] : std::vector<std::pair<std::string, std::string>>{
             {"", name + "@PJL ENTER LANGUAGE = TIFF\n"},
             {"hpgl", name + "@PJL ENTER LANGUAGE = HPGL\n"},
             {"mgl(0.025 MM/UNIT)", "@PJL SET MGLUNIT = 0.025\n" + name + "@PJL ENTER LANGUAGE = MGL\n"}}) {
        const std::vector<std::string> named = {"--format", format, plot};
        const auto result = Build(format.empty() ? std::vector{plot} : named);

        EXPECT_EQ(result.exitCode, 0) << result.err;
        EXPECT_EQ(result.out + result.err, "");
        EXPECT_EQ(NormalisedJob(ReadFileBytes(m_job)),
                  kUel + "@PJL\n@PJL RESET\n@PJL JOB NAME = \"NAME\"\n@PJL DEFAULT OWNER = \"Ada\"\n"
                         "@PJL SET COPIES = 1\n" + lines + "II*" + kUel + "@PJL EOJ NAME = \"NAME\"\n" + kUel);
        EXPECT_TRUE(TempIsEmpty());
    }
}

TEST_F(BuildCommand, InterruptCancelsAndLeavesNothing)
{
    // Sparse, so it costs no disk, yet takes a while to copy.
    const std::string plot = m_files.File("huge.plt");
    WriteFileBytes(plot, "");
    std::filesystem::resize_file(plot, std::uintmax_t{4} << 30);
    CRunningProcess build(test_config::kCli, {"build", "-o", m_job, "--owner", "Ada", plot},
                          {{"TMPDIR", m_tmp.Path()}});
    // The job file open in the temporary folder shows that the copy has
    // begun; it has no name there.
    const auto deadline = std::chrono::steady_clock::now() + 30s;
    while (!HoldsFileIn(build, m_tmp.Path()) && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(1ms);
    ASSERT_TRUE(TempIsEmpty());

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
                                          {{"TMPDIR", m_tmp.Path()}});

        EXPECT_EQ(result.exitCode, 1) << size;
        // The file's error, then the build's failure.
        EXPECT_EQ(result.err.rfind("qx-sendora-cli: Cannot write " + m_tmp.Path() + ":", 0), 0u) << result.err;
        EXPECT_TRUE(result.err.ends_with(": File too large\nqx-sendora-cli: " +
                                         CMessageService::Format(ResId::kBuildFailedMessage) + "\n"))
            << result.err;
        EXPECT_FALSE(FileExists(m_job));
        EXPECT_TRUE(TempIsEmpty());
    }
}

struct FailureCase {
    const char* label;
    std::vector<std::string> args;
    // The message shown, or else a text that standard error must hold.
    unsigned message;
    std::string argument = {};
    // The temporary folder, when not the test's own.
    std::string tmpdir = {};
};

class BuildFailure : public BuildCommand, public testing::WithParamInterface<FailureCase> {};

TEST_P(BuildFailure, LeavesNeitherJobNorTemporaryFile)
{
    const FailureCase& c = GetParam();
    std::filesystem::create_directory(m_out.File("folder"));
    std::map<std::string, std::string> environment;
    if (!c.tmpdir.empty())
        environment["TMPDIR"] = c.tmpdir == "MISSING" ? m_tmp.File("missing") : c.tmpdir;

    const auto result = Build(c.args, environment);

    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.out, "");
    const std::string listing = c.message == ResId::kCannotLoadSettingMessage ? SettingsOnOffer() : "";
    if (c.message != 0)
        EXPECT_EQ(result.err, "qx-sendora-cli: " + CMessageService::Format(c.message, c.argument) + "\n" + listing);
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
        FailureCase{"MissingPlotFile", {"GONE"}, 0, "gone.hpg"},
        FailureCase{"FolderAsPlotFile", {"FOLDER"}, 0, "Is a directory"},
        FailureCase{"UnknownFormat", {"UNKNOWN"}, ResId::kCliUnknownFormatMessage, "drawing.xyz"},
        FailureCase{"NoOwner", {"--owner", "", "FILE"}, ResId::kNoOwnerMessage},
        FailureCase{"MissingSettingPath", {"--setting", "/nonexistent/x.prn", "FILE"},
                    ResId::kCannotLoadSettingMessage},
        // The builder's refusals of an owner or a setting are its own test.
        FailureCase{"SetupLacksAKey", {"--setting", "BROKEN"}, ResId::kMissingSettingMessage},
        FailureCase{"OutputFolderMissing", {"-o", "OUTMISSING", "FILE"}, 0, "Cannot write"},
        FailureCase{"OutputIsAFolder", {"-o", "OUTFOLDER", "FILE"}, 0, "Cannot write"},
        FailureCase{"NoTemporaryFolder", {"FILE"}, ResId::kNoTempFolderMessage, "", "MISSING"},
        // No file can be created there, not even by root.
        FailureCase{"NoTemporaryName", {"FILE"}, ResId::kNoTempNameMessage, "", "/proc/"}), ByCaseName());
}
