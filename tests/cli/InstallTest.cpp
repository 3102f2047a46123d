#include "CMessageService.h"
#include "CProcess.h"
#include "CResourceModule.h"
#include "CTempDir.h"
#include "CaseNames.h"
#include "PlotSamples.h"
#include "ResourceIds.h"
#include "TestConfig.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

// The programs as `cmake --install` lays this build out below a prefix, run
// with a home folder of their own: the shipped files where the programs find
// them, and a user's files where the layout keeps them.
namespace {
const std::string kSource = test_config::kSourceDir;
const std::string kBuilt = test_config::kProgramDir;
const std::string kData = test_config::kDataDir;

// Installed file below the prefix, and the file it is a copy of.
const std::pair<std::string, std::string> kShipped[] = {
    {"bin/qx-sendora-cli", test_config::kCli},
    {"lib/qx-sendora/qx-sendora-cli-pictures", kBuilt + "qx-sendora-cli-pictures"},
    {"lib/qx-sendora/qx-sendora-cli-plot", kBuilt + "qx-sendora-cli-plot"},
    {"lib/qx-sendora/qx-sendora-cli-send", kBuilt + "qx-sendora-cli-send"},
    {"lib/qx-sendora/qx-sendora-cli-history", kBuilt + "qx-sendora-cli-history"},
    {"lib/qx-sendora/Res.dll", kBuilt + "Res.dll"},
    {"lib/qx-sendora/QXSDExtensionFile.ini", kSource + "Lang/ZC/QXSDExtensionFile.ini"},
    {"lib/qx-sendora/PrinterSetting/default.org", kSource + "PrinterSetting/default.org"},
    {"lib/qx-sendora/PrinterSetting/PJLConfig.txt", kSource + "PrinterSetting/PJLConfig.txt"},
    {"lib/qx-sendora/PrinterSetting/sample.prn", kSource + "PrinterSetting/sample.prn"},
    {"lib/qx-sendora/data/ZC/Res.dll", kData + "Res.dll"},
    {"lib/qx-sendora/data/ZC/QXSDExtensionFile.ini", kSource + "Lang/ZC/QXSDExtensionFile.ini"},
    {"lib/qx-sendora/data/ZC/default.org", kSource + "PrinterSetting/default.org"},
    {"lib/qx-sendora/data/ZC/PJLConfig.txt", kSource + "PrinterSetting/PJLConfig.txt"},
    {"lib/qx-sendora/manual/index.html", kSource + "manual/index.html"},
    {"share/qx-sendora/manual/index.html", kSource + "manual/index.html"}};

class Installation : public testing::Test {
protected:
    Installation()
    {
        const auto result = CProcess::Run(QX_CMAKE, {"--install", QX_BUILD_DIR, "--prefix", Prefix()},
                                          {{"QX_SENDORA_REGISTRY_DIR", m_dir.File("registry")}});
        EXPECT_EQ(result.exitCode, 0) << result.err;
    }

    std::string Prefix() const { return m_dir.File("prefix/"); }

    // "{program}" stands for the installed program folder, "{home}" for the
    // user's home folder, "{dir}" for the test's folder.
    std::string Expanded(std::string path) const
    {
        for (const auto& [from, to] : {std::pair<std::string, std::string>{"{program}", Prefix() + "lib/qx-sendora/"},
                                       {"{home}", m_dir.File("home/")},
                                       {"{dir}", m_dir.Path()}})
            if (path.rfind(from, 0) == 0)
                path.replace(0, from.size(), to);
        return path;
    }

    CProcessResult Cli(const std::vector<std::string>& args, const std::string& layout) const
    {
        return CProcess::Run(Prefix() + "bin/qx-sendora-cli", args,
                             {{"HOME", m_dir.File("home")}, {"XDG_DATA_HOME", ""}, {"XDG_CONFIG_HOME", ""},
                              {"QX_SENDORA_DATA_DIR", ""}, {"QX_SENDORA_LAYOUT", layout},
                              {"QX_SENDORA_REGISTRY_DIR", m_dir.File("registry")}});
    }

    void ExpectShippedUnchanged() const
    {
        for (const auto& [installed, original] : kShipped) {
            EXPECT_FALSE(ReadFileBytes(original).empty()) << original;
            EXPECT_EQ(ReadFileBytes(Prefix() + installed), ReadFileBytes(original)) << installed;
        }
    }

    CTempDir m_dir;
};

// The programs run from the links on the PATH find their folder, and the
// manual through its link; the install made the machine-wide key.
TEST_F(Installation, LaysOutTheProgramFolderBehindLinks)
{
    ExpectShippedUnchanged();
    EXPECT_EQ(std::filesystem::read_symlink(Prefix() + "bin/qx-sendora-cli"), "../lib/qx-sendora/qx-sendora-cli");
    EXPECT_EQ(std::filesystem::read_symlink(Prefix() + "lib/qx-sendora/manual"), "../../share/qx-sendora/manual");
    EXPECT_TRUE(FileExists(m_dir.File("registry/HKEY_LOCAL_MACHINE.ini")));
    const auto version = Cli({"--version"}, "installed");
    EXPECT_EQ(version.exitCode, 0) << version.err;
    EXPECT_NE(version.out.find(std::string("(region ") + test_config::kRegion + ")"), std::string::npos) << version.out;
}

struct HandOverCase {
    const char* name;
    std::vector<std::string> args;  // "{dir}" for the test's folder, as out
    int exitCode;
    std::string out;
};

const HandOverCase kHandOverCases[] = {
    {"PreviewWritesAPicture", {"preview", "{dir}frame.plt", "-o", "{dir}frame.png", "--width", "64"}, 0, ""},
    {"SizeOfAPdfInThePictureHelper", {"size", "{dir}a4.pdf"}, 0, "{dir}a4.pdf\tPDF\t210 x 297 mm (A4)\t1\n"},
    {"SizeOfHpglInThePlotHelper", {"size", "{dir}frame.plt"}, 0, "{dir}frame.plt\tHPGL\t100 x 50 mm\t1\n"},
    {"HistoryOfNoSend", {"history"}, 0, ""},
    {"SendNeedsAPrinter", {"send", "{dir}frame.plt"}, 2, ""},
};

// Each command that the installed program hands over runs in its helper,
// found beside the program behind the link on the PATH.
TEST_F(Installation, HelpersRunTheCommandsHandedOver)
{
    m_dir.Write("frame.plt", kSampleHpgl);
    m_dir.Write("a4.pdf", SamplePdf(595, 842));
    for (const HandOverCase& c : kHandOverCases) {
        SCOPED_TRACE(c.name);
        std::vector<std::string> args;
        for (const auto& arg : c.args)
            args.push_back(Expanded(arg));

        const auto result = Cli(args, "installed");

        EXPECT_EQ(result.exitCode, c.exitCode) << result.err;
        EXPECT_EQ(result.out, Expanded(c.out));
    }
    EXPECT_EQ(ReadFileBytes(m_dir.File("frame.png")).substr(0, 8), "\x89PNG\r\n\x1a\n");
}

struct UserFilesCase {
    const char* name;
    const char* layout;
    const char* savedSetting;   // where "setting save-as" puts "mine"
    const char* extensionFile;  // the data formats file the user changes
    bool shippedKept;
};

class InstalledUserFiles : public Installation, public testing::WithParamInterface<UserFilesCase> {};

TEST_P(InstalledUserFiles, LandWhereTheLayoutKeepsThem)
{
    const auto& param = GetParam();
    const auto saved = Cli({"setting", "save-as", CResourceModule::LoadString(ResId::kPrinterDefaultsName), "mine"},
                           param.layout);
    EXPECT_EQ(saved.exitCode, 0) << saved.err;
    EXPECT_TRUE(FileExists(Expanded(param.savedSetting)));
    const auto listed = SplitLines(Cli({"setting", "list"}, param.layout).out);
    EXPECT_NE(std::find(listed.begin(), listed.end(), "mine"), listed.end());

    const auto added = Cli({"extensions", "add", "HPGL", "xyz"}, param.layout);
    EXPECT_EQ(added.exitCode, 0) << added.err;
    EXPECT_NE(ReadFileBytes(Expanded(param.extensionFile)).find("HPGL=plt.hpg.hpgl.hgl.hp2.xyz"), std::string::npos);
    WriteFileBytes(Expanded(param.extensionFile), "[Data Format]\nHPGL=plt.xyz\n");
    const auto formats = SplitLines(Cli({"formats"}, param.layout).out);
    ASSERT_EQ(formats.size(), 1u);
    EXPECT_NE(formats.front().find("xyz"), std::string::npos) << formats.front();
    if (param.shippedKept)
        ExpectShippedUnchanged();
}

// The file that could not be written is the user's own, not the shipped one
// the formats were read from.
TEST_F(Installation, UnwritableOwnExtensionFileIsNamed)
{
    WriteFileBytes(m_dir.File("home/.config/qx-sendora"), "in the way of the folder");
    const auto added = Cli({"extensions", "add", "HPGL", "xyz"}, "installed");
    EXPECT_EQ(added.exitCode, 1);
    EXPECT_EQ(added.err, "qx-sendora-cli: " +
                             CMessageService::Format(ResId::kListNotWrittenMessage,
                                                 m_dir.File("home/.config/qx-sendora/QXSDExtensionFile.ini")) +
                             "\n");
    ExpectShippedUnchanged();
}

const UserFilesCase kUserFilesCases[] = {
    {"BuildTreeBesideThePrograms", "build-tree", "{program}PrinterSetting/mine.prn", "{program}QXSDExtensionFile.ini",
     false},
    {"InstalledInTheXdgFolders", "installed", "{home}.local/share/qx-sendora/PrinterSetting/mine.prn",
     "{home}.config/qx-sendora/QXSDExtensionFile.ini", true},
};

INSTANTIATE_TEST_SUITE_P(Layouts, InstalledUserFiles, testing::ValuesIn(kUserFilesCases), ByCaseName());
}
