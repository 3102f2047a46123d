#include "CProcess.h"
#include "CTempDir.h"
#include "TestConfig.h"
#include "CaseNames.h"

#include <gtest/gtest.h>
#include <sys/stat.h>


// inspect as a user meets it: the structure of a job, and a damaged job
// recognised as such.
namespace {
const std::string kUel = "\x1b%-12345X";

const std::string kHeader = kUel + "@PJL\n@PJL RESET\n@PJL JOB NAME = \"N1\"\n@PJL DEFAULT OWNER = \"Ada\"\n";
const std::string kEntry = "@PJL SET COPIES = 2\n@PJL SET PSDEFAULTDMS = ON\n@PJL SET FILENAME = \"a b.plt\"\n"
                           "@PJL ENTER LANGUAGE = HPGL\n";
// Plot data holding a false start of the exit sequence.
const std::string kData = "IN;\x1b%-1234\x1b\x1b%-12345\n@PJL EOJ;";
const std::string kTrailer = "@PJL EOJ NAME = \"N1\"\n" + kUel;

CProcessResult Inspect(const std::string& bytes)
{
    CTempDir dir;
    return CProcess::Run(test_config::kCli, {"inspect", dir.Write("job.pjl", bytes)});
}

// A setup job's inquiries follow its settings, in the trailer.
TEST(InspectCommand, PrintsHeaderEntriesAndTrailer)
{
    const auto result = Inspect(kHeader + kEntry + kData + kUel + "@PJL SET PSDEFAULTDMS = ON\n"
                                "@PJL SET FILENAME = \"c.tif\"\n@PJL ENTER LANGUAGE = TIFF\n" + kUel + kTrailer);

    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out, "header:\n  @PJL\n  @PJL RESET\n  @PJL JOB NAME = \"N1\"\n  @PJL DEFAULT OWNER = \"Ada\"\n"
                          "entry 1:\n  @PJL SET COPIES = 2\n  @PJL SET PSDEFAULTDMS = ON\n"
                          "  @PJL SET FILENAME = \"a b.plt\"\n  @PJL ENTER LANGUAGE = HPGL\n"
                          "  language: HPGL\n  file name: a b.plt\n  data: " +
                              std::to_string(kData.size()) +
                              " bytes\n"
                              "entry 2:\n  @PJL SET PSDEFAULTDMS = ON\n  @PJL SET FILENAME = \"c.tif\"\n"
                              "  @PJL ENTER LANGUAGE = TIFF\n  language: TIFF\n  file name: c.tif\n  data: 0 bytes\n"
                              "trailer:\n  @PJL EOJ NAME = \"N1\"\n");
    EXPECT_EQ(result.err, "");

    const auto setup = Inspect(kHeader + "@PJL DEFAULT PAPER = A0\n@PJL INQUIRE LPARM : HPGL IPARM : PRINT CURRENT\n" +
                               kTrailer);
    EXPECT_EQ(setup.exitCode, 0) << setup.err;
    EXPECT_EQ(setup.out, "header:\n  @PJL\n  @PJL RESET\n  @PJL JOB NAME = \"N1\"\n  @PJL DEFAULT OWNER = \"Ada\"\n"
                         "  @PJL DEFAULT PAPER = A0\ntrailer:\n  @PJL INQUIRE LPARM : HPGL IPARM : PRINT CURRENT\n"
                         "  @PJL EOJ NAME = \"N1\"\n");
}

struct DamageCase {
    const char* label;
    std::string bytes;
    const char* reason;
};

class InspectDamaged : public testing::TestWithParam<DamageCase> {};

TEST_P(InspectDamaged, ReportsTheDamage)
{
    const auto result = Inspect(GetParam().bytes);

    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.err, std::string("qx-sendora-cli: damaged job: ") + GetParam().reason + "\n");
}

INSTANTIATE_TEST_SUITE_P(
    Jobs, InspectDamaged,
    testing::Values(
        DamageCase{"Empty", "", "the job does not start with UEL and @PJL"},
        DamageCase{"NoLeadingUel", kHeader.substr(kUel.size()) + kTrailer, "the job does not start with UEL and @PJL"},
        DamageCase{"EntryWithoutClosingUel", kHeader + kEntry + kData + kTrailer.substr(0, 21),
                   "entry 1 has no closing UEL"},
        DamageCase{"NoEoj", kHeader + kEntry + kData + kUel, "the job has no EOJ line"},
        DamageCase{"CutInTheHeader", kHeader.substr(0, kHeader.size() - 5), "the job has no EOJ line"},
        DamageCase{"EojNameDiffers", kHeader + kEntry + kData + kUel + "@PJL EOJ NAME = \"N2\"\n" + kUel,
                   "the EOJ name differs from the JOB name"},
        DamageCase{"NoFinalUel", kHeader + kEntry + kData + kUel + "@PJL EOJ NAME = \"N1\"\n",
                   "the job does not end with UEL"},
        DamageCase{"BytesAfterTheEnd", kHeader + kTrailer + "x", "bytes follow the final UEL"},
        DamageCase{"NoJobName", kUel + "@PJL\n" + kTrailer, "the job has no JOB NAME line"},
        DamageCase{"JobNameWithoutEquals", kUel + "@PJL\n@PJL JOB NAME\n" + kTrailer,
                   "the line \"@PJL JOB NAME\" has no quoted value"},
        DamageCase{"LanguageWithoutEquals", kHeader + "@PJL ENTER LANGUAGE\n" + kUel + kTrailer,
                   "the line \"@PJL ENTER LANGUAGE\" has no value"},
        DamageCase{"FileNameUnquoted", kHeader + "@PJL SET FILENAME = a\n@PJL ENTER LANGUAGE = HPGL\n" + kUel + kTrailer,
                   "the line \"@PJL SET FILENAME = a\" has no quoted value"},
        DamageCase{"EntryWithoutLanguage", kHeader + "@PJL SET COPIES = 2\n" + kTrailer,
                   "entry 1 has no ENTER LANGUAGE line"},
        DamageCase{"SettingWithoutEquals", kHeader + "@PJL DEFAULT PAPER\n" + kTrailer,
                   "the line \"@PJL DEFAULT PAPER\" has no value"},
        DamageCase{"EojCutAfterEquals", kHeader + "@PJL EOJ NAME =\n" + kUel,
                   "the line \"@PJL EOJ NAME =\" has no quoted value"}), ByCaseName());

TEST(InspectCommand, SaysWhyItCannotOpenTheFile)
{
    CTempDir dir;
    const std::string pipe = dir.File("job.pjl");
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
    // A folder, a device and why each is refused are the user file's test.
    const std::pair<std::string, std::string> files[] = {{"/nonexistent/job.pjl", "No such file or directory"},
                                                         {pipe, "Is a named pipe"}};
    for (const auto& [path, reason] : files) {
        const auto result = CProcess::Run(test_config::kCli, {"inspect", path});
        EXPECT_EQ(result.exitCode, 1);
        EXPECT_EQ(result.err, "qx-sendora-cli: cannot open " + path + ": " + reason + "\n");
        EXPECT_EQ(result.out, "");
    }
}
}
