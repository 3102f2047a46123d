#include "CSendFileBuilder.h"

#include "CFormatTable.h"
#include "CPrintJob.h"
#include "CRegistry.h"
#include "CRegistryValues.h"
#include "CSettingsWriter.h"

#include "CMessageRecorder.h"
#include "CRecordingMonitor.h"
#include "CScopedEnvironment.h"
#include "CTempDir.h"
#include "CaseNames.h"
#include "ResourceIds.h"
#include "TestConfig.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <regex>
#include <sstream>

namespace {
const std::string kUel = "\x1b%-12345X";

// A whole job of owner Ada with this body, the job name normalised.
std::string Job(const std::string& body, const std::string& owner = "Ada")
{
    return kUel + "@PJL\n@PJL RESET\n@PJL JOB NAME = \"NAME\"\n@PJL DEFAULT OWNER = \"" + owner + "\"\n" + body +
           "@PJL EOJ NAME = \"NAME\"\n" + kUel;
}

// An entry's group, after its copies and unit lines.
std::string Group(const std::string& name, const std::string& data, const std::string& language = "HPGL")
{
    return "@PJL SET PSDEFAULTDMS = ON\n@PJL SET FILENAME = \"" + name + "\"\n@PJL ENTER LANGUAGE = " + language +
           "\n" + data + kUel;
}

std::string Copies(int copies)
{
    return "@PJL SET COPIES = " + std::to_string(copies) + "\n";
}

class SendFileBuilder : public testing::Test {
protected:
    void SetUp() override
    {
        m_job.SetOwnerName("Ada");
        m_job.SetUsesDefaultSettings(true);
    }

    void Add(const std::string& name, const std::string& bytes, int copies, const std::string& format = "HPGL")
    {
        auto entry = std::make_unique<CPrintData>();
        ASSERT_TRUE(entry->SetFile(m_files.Write(name, bytes), m_formats));
        entry->SetCopies(copies);
        entry->SetDataFormat(format);
        m_job.InsertAt(m_job.GetCount(), std::move(entry));
    }

    std::string Build(const std::string& controller = "", const std::string& region = "ZC")
    {
        m_result = CSendFileBuilder(controller, region).Build(m_job, m_monitor);
        const std::string& path = m_result.file.GetPath();
        EXPECT_EQ(path.empty(), m_result.status != CSendFileBuilder::Status::Done);
        // Unnamed, so that a crash leaves nothing; a failed build leaves nothing either.
        EXPECT_TRUE(FilesBelow(m_temp.Path()).empty()) << path;
        return path.empty() ? std::string() : ReadFileBytes(path);
    }

    CTempDir m_temp;
    CTempDir m_files;
    CScopedEnvironment m_tmpVariable{"TMPDIR", m_temp.Path()};
    CSendFileBuilder::Result m_result;
    CFormatTable m_formats{{"HPGL"}, {"hpg"}, "(unknown)"};
    CPrintJob m_job;
    CRecordingMonitor m_monitor;
    CMessageRecorder m_messages;
};

// The first entry's copies count for all.
TEST_F(SendFileBuilder, CollatedEntriesCarryOneCopyCountInTheHeader)
{
    Add("a.hpg", "A", 3);
    Add("b.hpg", "B", 1);
    Add("c.hpg", "C", 5);
    m_job.SetCollate(true);
    EXPECT_EQ(NormalisedJob(Build()), Job("@PJL DEFAULT COLLATIONENABLE = FORWARD\n@PJL DEFAULT COPIES = 3\n" +
                                          Group("a.hpg", "A") + Group("b.hpg", "B") + Group("c.hpg", "C")));
}

TEST_F(SendFileBuilder, ReverseOrderWritesTheLastEntryFirst)
{
    Add("1.hpg", "1", 1);
    Add("2.hpg", "2", 2);
    m_job.SetReverseOrder(true);
    EXPECT_EQ(NormalisedJob(Build()), Job(Copies(2) + Group("2.hpg", "2") + Copies(1) + Group("1.hpg", "1")));
    EXPECT_TRUE(m_messages.Messages().empty());
}

TEST_F(SendFileBuilder, MglFormatsEnterMglWithTheirUnit)
{
    Add("a.mgl", "M1", 1, "MGL(0.01 mm/unit)");
    Add("b.mgl", "M2", 1, "MGL(0.025 mm/unit)");
    EXPECT_EQ(NormalisedJob(Build()), Job(Copies(1) + "@PJL SET MGLUNIT = 0.01\n" + Group("a.mgl", "M1", "MGL") +
                                          Copies(1) + "@PJL SET MGLUNIT = 0.025\n" + Group("b.mgl", "M2", "MGL")));
}

TEST_F(SendFileBuilder, PlotDataIsCopiedWholeWithACancelTestForEveryStep)
{
    // The second file is longer than one block of the copy.
    const std::string twoSteps = PatternBytes(2 * 8192, 1);
    const std::string pastABlock = PatternBytes(256 * 1024 + 8192 + 100, 2);
    Add("two.hpg", twoSteps, 1);
    Add("past.hpg", pastABlock, 1);
    // On another file system, which the system cannot copy from file to file.
    auto foreign = std::make_unique<CPrintData>();
    ASSERT_TRUE(foreign->SetFile("/proc/sys/kernel/ostype", m_formats));
    foreign->SetDataFormat("HPGL");
    m_job.InsertAt(m_job.GetCount(), std::move(foreign));
    const std::string bytes = NormalisedJob(Build());
    // Whole steps end with an empty one.
    std::vector<std::uint64_t> steps = {8192, 8192, 0};
    steps.insert(steps.end(), 33, 8192);
    steps.insert(steps.end(), {100, 6});
    EXPECT_EQ(m_monitor.steps, steps);
    EXPECT_EQ(m_monitor.checks, 3 + 34 + 1);  // a cancel test before every step, the first included
    EXPECT_EQ(m_monitor.totals, std::vector<std::uint64_t>{twoSteps.size() + pastABlock.size()});
    EXPECT_TRUE(bytes == Job(Copies(1) + Group("two.hpg", twoSteps) + Copies(1) + Group("past.hpg", pastABlock) +
                             Copies(1) + Group("ostype", "Linux\n")));
}

TEST_F(SendFileBuilder, DataFileGoneAfterAddingFailsWithoutLeavingAFile)
{
    Add("gone.hpg", "x", 1);
    std::filesystem::remove(m_job.GetAt(0)->GetSendPath());
    EXPECT_EQ(Build(), "");
    ASSERT_EQ(m_messages.Ids(), (std::vector<unsigned>{0, ResId::kBuildFailedMessage}));
    EXPECT_NE(m_messages.Messages()[0].text.find("gone.hpg"), std::string::npos);
}

TEST_F(SendFileBuilder, CancelDuringTheSecondEntryLeavesNothing)
{
    Add("a.hpg", std::string(100, 'a'), 1);
    Add("b.hpg", std::string(3 * 8192, 'b'), 1);
    m_monitor.cancelWhen = [this] { return m_monitor.checks == 3; };  // a: one check; b: before its second step
    EXPECT_EQ(Build(), "");
    EXPECT_EQ(m_result.status, CSendFileBuilder::Status::Cancelled);
    EXPECT_TRUE(m_messages.Messages().empty());
    EXPECT_EQ(m_monitor.ends, 1);
}

TEST_F(SendFileBuilder, MissingSettingFailsWithoutLeavingAFile)
{
    Add("a.hpg", "a", 1);
    m_job.SetUsesDefaultSettings(false);
    m_job.SetSettingFilePath(m_files.Write("broken.prn", "[QXSD]\nHPPJL Version=1.0.0\n"));
    EXPECT_EQ(Build(), "");
    EXPECT_EQ(m_messages.Ids(), std::vector<unsigned>{ResId::kMissingSettingMessage});
}

TEST_F(SendFileBuilder, SetupJobCarriesTheSettingsOfTheStoredController)
{
    const std::string setting = std::string(test_config::kProgramDir) + "PrinterSetting/default.org";
    m_job.SetUsesDefaultSettings(false);
    m_job.SetSettingFilePath(setting);
    m_job.SetCollate(false);
    // Heron's block differs from the general one, so a builder that lost the controller fails.
    std::ostringstream block;
    ASSERT_TRUE(CSettingsWriter::WriteForController(block, setting, "ZC", "Heron"));
    EXPECT_EQ(NormalisedJob(Build("Heron")), Job(block.str() + "@PJL INQUIRE LPARM : HPGL IPARM : PRINT CURRENT\n"
                                                               "@PJL INQUIRE LPARM : MVNATIVE IPARM : PRINT CURRENT\n"
                                                               "@PJL INQUIRE LPARM : TIFF IPARM : PRINT CURRENT\n"
                                                               "@PJL INQUIRE LPARM : CALS IPARM : PRINT CURRENT\n"
                                                               "@PJL INQUIRE LPARM : CGM IPARM : PRINT CURRENT\n"
                                                               "@PJL INQUIRE LPARM : PS/PDF IPARM : PRINT CURRENT\n"));
}

TEST_F(SendFileBuilder, QuotesAndLineBreaksCannotSmuggleCommands)
{
    Add("x\".hpg", "a", 1);
    EXPECT_NE(Build().find("@PJL SET FILENAME = \"x_.hpg\"\n"), std::string::npos);

    Add("a\r\n@PJL SET X=1.hpg", "b", 1);
    EXPECT_NE(Build().find("@PJL SET FILENAME = \"a__@PJL SET X=1.hpg\"\n"), std::string::npos);

    for (const std::string owner : {"Ada\"\n@PJL RESET", "A\rB", "A\nB"}) {
        m_messages.Clear();
        m_job.SetOwnerName(owner);
        EXPECT_EQ(Build(), "");
        EXPECT_EQ(m_messages.Ids(), std::vector<unsigned>{ResId::kUnsafeOwnerMessage});
    }
}

// The owner and the file names reach the printer in the code page of its
// region, or the one the registry names; what a code page lacks is "_".
struct CodePageCase {
    const char* name;
    std::string region;
    std::string registryValue;  // "JobCodePage"; empty: none
    std::string owner;
    std::string fileName;
    std::string jobOwner;
    std::string jobFileName;
};

class SendFileBuilderCodePage : public SendFileBuilder, public testing::WithParamInterface<CodePageCase> {
protected:
    // Not in a folder of its own, which would lie in the temporary folder.
    CScopedEnvironment m_registryVariable{"QX_SENDORA_REGISTRY_DIR", m_files.File("registry")};
};

TEST_P(SendFileBuilderCodePage, OwnerAndFileNamesAreWrittenInTheJobsCodePage)
{
    const CodePageCase& c = GetParam();
    if (!c.registryValue.empty()) {
        ASSERT_TRUE(CRegistry().WriteValue(CRegistry::Hive::CurrentUser, CRegistryValues::ProgramKey(),
                                           "JobCodePage", c.registryValue));
    }
    m_job.SetOwnerName(c.owner);
    Add(c.fileName, "IN;", 1);
    EXPECT_EQ(NormalisedJob(Build("", c.region)), Job(Copies(1) + Group(c.jobFileName, "IN;"), c.jobOwner));
    EXPECT_EQ(m_job.GetOwnerName(), c.owner);
    EXPECT_EQ(m_job.GetAt(0)->GetFileName(), c.fileName);
}

INSTANTIATE_TEST_SUITE_P(
    Regions, SendFileBuilderCodePage,
    testing::Values(
        CodePageCase{"WesternRegion", "ZC", "", "Zo\xc3\xab \xe2\x82\xac", "Gr\xc3\xb6\xc3\x9f" "e \xc2\xbd.hpg",
                     "Zo\xeb \x80", "Gr\xf6\xdf" "e \xbd.hpg"},
        CodePageCase{"WesternRegionLacksKanji", "AP", "", "\xe5\xb1\xb1\xe7\x94\xb0 Ada",
                     "\xe5\x9b\xb3\xe9\x9d\xa2.hpg", "__ Ada", "__.hpg"},
        CodePageCase{"Japan", "JP", "", "\xe5\xb1\xb1\xe7\x94\xb0", "\xe5\x9b\xb3\xe9\x9d\xa2 \xef\xbd\xb6.hpg",
                     "\x8e\x52\x93\x63", "\x90\x7d\x96\xca \xb6.hpg"},
        CodePageCase{"JapanLacksAccents", "JP", "", "Zo\xc3\xab", "a.hpg", "Zo_", "a.hpg"},
        CodePageCase{"RegistryChoosesJapanese", "ZC", "932", "\xe5\xb1\xb1\xe7\x94\xb0", "a.hpg",
                     "\x8e\x52\x93\x63", "a.hpg"},
        CodePageCase{"RegistryChoosesWestern", "JP", "1252", "Zo\xc3\xab", "a.hpg", "Zo\xeb", "a.hpg"},
        CodePageCase{"RegistryValueOtherThanBothIsIgnored", "ZC", "65001", "Zo\xc3\xab", "a.hpg", "Zo\xeb",
                     "a.hpg"},
        CodePageCase{"BytesThatAreNoUtf8AndEmoji", "ZC", "", "Ada \xf0\x9f\x96\xa8", "a\xff\xc3.hpg", "Ada _",
                     "a__.hpg"}),
    ByCaseName());

TEST(SendFileBuilderNames, JobNamesAreNewHexIdentifiers)
{
    const std::string a = CSendFileBuilder::MakeJobName();
    EXPECT_TRUE(std::regex_match(a, std::regex("[0-9A-F]{32}")));
    EXPECT_NE(a, CSendFileBuilder::MakeJobName());
}
}
