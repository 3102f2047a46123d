#include "CMessageService.h"
#include "CProcess.h"
#include "CResourceModule.h"
#include "CTempDir.h"
#include "CaseNames.h"
#include "ResourceIds.h"
#include "TestConfig.h"

#include <gtest/gtest.h>

#include <filesystem>

// setting list, show and save-as, settings and defaults as a user meets
// them: a copy of the program in a folder of its own, so that titles are
// saved beside it.
namespace {
const std::string kDefaultOrg = std::string(test_config::kSourceDir) + "PrinterSetting/default.org";
const std::string kFull = std::string(test_config::kTestDataDir) + "settings/full.prn";

class SettingCommand : public testing::Test {
protected:
    SettingCommand()
    {
        std::filesystem::create_directories(m_dir.File("bin/PrinterSetting"));
        std::filesystem::copy_file(test_config::kCli, m_dir.File("bin/qx-sendora-cli"));
        std::filesystem::copy_file(kDefaultOrg, Folder() + "default.org");
    }

    std::string Folder() const { return m_dir.File("bin/PrinterSetting/"); }

    // "{dir}" stands for the test's folder, "{folder}" for the program's
    // setting folder, "{full}" for full.prn, "{defaults}" for the printer
    // defaults' name, "{542}" and "{480}" for those messages as the command
    // line shows them.
    std::string Expanded(std::string text) const
    {
        const std::pair<std::string, std::string> names[] = {
            {"{dir}", m_dir.Path()},
            {"{folder}", Folder()},
            {"{full}", kFull},
            {"{defaults}", CResourceModule::LoadString(ResId::kPrinterDefaultsName)},
            {"{542}", "qx-sendora-cli: " + CMessageService::Format(ResId::kReservedNameMessage)},
            {"{480}", "qx-sendora-cli: " + CMessageService::Format(ResId::kCannotLoadSettingMessage)}};
        for (const auto& [from, to] : names)
            for (auto at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
                text.replace(at, from.size(), to);
        return text;
    }

    CProcessResult Run(std::vector<std::string> args) const
    {
        for (auto& arg : args)
            arg = Expanded(arg);
        return CProcess::Run(m_dir.File("bin/qx-sendora-cli"), args,
                             {{"QX_SENDORA_DATA_DIR", test_config::kDataDir},
                              {"QX_SENDORA_REGISTRY_DIR", m_dir.File("registry")}});
    }

    CProcessResult Cli(std::vector<std::string> args) const
    {
        args.insert(args.begin(), "setting");
        return Run(args);
    }

    void ExpectDone(const CProcessResult& result, const std::string& out = {}) const
    {
        EXPECT_EQ(result.exitCode, 0) << result.err;
        EXPECT_EQ(result.err, "");
        EXPECT_EQ(result.out, out);
    }

    CTempDir m_dir;
};

// show prints the built pages by name and by path. The edits of save-as land
// on the keys named, nothing else differs from a save without them, and a
// file saved this way saves again to the same bytes.
TEST_F(SettingCommand, ShowAndSaveAsGiveWhatTheEditorShowsAndSaves)
{
    const std::string shown = ReadFileBytes(std::string(test_config::kTestDataDir) + "settings/default-show-zc.txt");
    ExpectDone(Cli({"show", "{defaults}"}), shown);
    ExpectDone(Cli({"show", "{folder}default.org"}), shown);
    ExpectDone(Cli({"save-as", "{defaults}", "mine"}));
    const std::string saved = ReadFileBytes(Folder() + "mine.prn");
    ExpectDone(Cli({"save-as", "{defaults}", "{dir}edited.prn", "HPGLPen/PenWidthChange=ON", "Color/RasterColor=WHITE",
                    "HPGLPen/Pen3=20,ROUND,BEVEL,RED"}));
    std::string edited = saved;
    for (const auto& [from, to] : {std::pair<std::string, std::string>{"PenWidthChange=OFF", "PenWidthChange=ON"},
                                   {"RasterColor=BLACK", "RasterColor=WHITE"},
                                   {"Pen3=25,SQUARE,MITTER,BLACK", "Pen3=20,ROUND,BEVEL,RED"}})
        edited.replace(edited.find(from), from.size(), to);
    EXPECT_EQ(ReadFileBytes(m_dir.File("edited.prn")), edited);

    ExpectDone(Cli({"list"}), Expanded("{defaults}\nmine\n"));
    ExpectDone(Run({"settings"}), Expanded("{defaults}\nmine\n"));
    ExpectDone(Cli({"save-as", "mine", "{dir}again.prn"}));
    ExpectDone(Cli({"save-as", "{dir}again.prn", "{dir}again.prn", "--overwrite"}));
    EXPECT_EQ(ReadFileBytes(m_dir.File("again.prn")), saved);
}

// defaults prints the block of the controller and region given, else of
// the general writer and the resource module's region; the blocks of every
// controller and region, and which file a name stands for, are the settings
// writer's and the setting files' tests.
TEST_F(SettingCommand, DefaultsPrintsTheBlockOrSaysWhyNot)
{
    const auto block = [this](const std::string& setting, const std::string& controller, const std::string& region) {
        const auto result = Run({"defaults", "--setting", setting, "--controller", controller, "--region", region});
        EXPECT_EQ(result.exitCode, 0) << result.err;
        EXPECT_EQ(result.err, "");
        return result.out;
    };
    const std::string zc = block("{full}", "Others", "ZC");
    EXPECT_EQ(zc, ReadFileBytes(std::string(test_config::kTestDataDir) + "settings/full-others-zc.pjl"));
    EXPECT_EQ(block("{full}", "Heron", "ZC").find("@PJL DEFAULT VDRAWCOLOR_"), std::string::npos);
    EXPECT_NE(block("{full}", "Others", "JP").find("@PJL DEFAULT STACKER = "), std::string::npos);
    EXPECT_EQ(Run({"defaults", "--setting", "{full}"}).out, zc);
    EXPECT_EQ(block("{defaults}", "Others", "JP"), block("{folder}default.org", "Others", "JP"));

    // Every controller's writer refusing a setting is the writer's test.
    std::string broken = ReadFileBytes(kFull);
    const auto at = broken.find("Paper15Size=");
    ASSERT_NE(at, std::string::npos);
    broken.erase(at, broken.find('\n', at) + 1 - at);
    const auto refused = Run({"defaults", "--setting", m_dir.Write("broken.prn", broken), "--controller", "Heron"});
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_EQ(refused.out, "");
    EXPECT_EQ(refused.err, "qx-sendora-cli: " + CMessageService::Format(ResId::kMissingSettingMessage) + "\n");
}

struct RefusalCase {
    const char* name;
    std::vector<std::string> args;
    std::string err;
};

class SettingRefusal : public SettingCommand, public testing::WithParamInterface<RefusalCase> {};

TEST_P(SettingRefusal, WritesNothingAndSaysWhy)
{
    WriteFileBytes(m_dir.File("existing.prn"), "[QXSD]\nHPPJL Version=1.0.0\n");
    const auto before = FilesBelow(m_dir.Path());
    const auto result = Cli(GetParam().args);

    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err, Expanded(GetParam().err));
    EXPECT_EQ(FilesBelow(m_dir.Path()), before);
    EXPECT_EQ(ReadFileBytes(m_dir.File("existing.prn")), "[QXSD]\nHPPJL Version=1.0.0\n");
    EXPECT_EQ(ReadFileBytes(Folder() + "default.org"), ReadFileBytes(kDefaultOrg));
}

const std::string kPrefix = "qx-sendora-cli: setting: ";

INSTANTIATE_TEST_SUITE_P(
    Calls, SettingRefusal,
    testing::Values(
        RefusalCase{"DefaultOrgOverwritten", {"save-as", "{full}", "{folder}default.org", "--overwrite"}, "{542}\n"},
        RefusalCase{"DefaultsTitle", {"save-as", "{full}", "{defaults}"}, "{542}\n"},
        // Reserved as a name or a path; in any case and before an existing
        // file is mentioned is the editor's test.
        RefusalCase{"DefaultOrgAsAName", {"save-as", "{full}", "default.org"}, "{542}\n"},
        RefusalCase{"KeyNoPageEdits",
                    {"save-as", "{full}", "{dir}new.prn", "Stamp/StampCode=3"},
                    kPrefix + "no page edits Stamp/StampCode; setting show lists the keys on offer\n"},
        RefusalCase{"ValueNotOnOffer",
                    {"save-as", "{full}", "{dir}new.prn", "HPGLPen/PenWidthChange=OFF", "Color/RasterColor=PINK"},
                    kPrefix + "Color/RasterColor cannot be PINK; the values on offer: WHITE, BLACK, RED\n"},
        RefusalCase{"ExistingFile",
                    {"save-as", "{full}", "{dir}existing.prn"},
                    kPrefix + "{dir}existing.prn exists; --overwrite replaces it\n"},
        RefusalCase{"UnknownName",
                    {"save-as", "smaple", "{dir}new.prn"},
                    "{480}\nsetting files on offer:\n  {defaults}\n"},
        RefusalCase{"UnknownNameShown", {"show", "{dir}gone.prn"}, "{480}\nsetting files on offer:\n  {defaults}\n"}),
    ByCaseName());
}
