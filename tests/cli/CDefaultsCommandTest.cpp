#include "CProcess.h"
#include "CResourceModule.h"
#include "CTempDir.h"
#include "ResourceIds.h"
#include "SettingsOnOffer.h"
#include "TestConfig.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

// defaults and settings as a user meets them; the blocks of every
// controller and region are the settings writer's tests.
namespace {
const std::string kSettingFolder = std::string(test_config::kProgramDir) + "PrinterSetting/";
// full.prn holds a distinct value in every key; full-others-zc.pjl is its
// block for the general writer and region ZC.
const std::string kFullSettings = std::string(test_config::kTestDataDir) + "settings/full.prn";

std::string DefaultsName()
{
    return CResourceModule::LoadString(ResId::kPrinterDefaultsName);
}

CProcessResult Cli(const std::vector<std::string>& args)
{
    return CProcess::Run(test_config::kCli, args);
}

std::string Block(const std::string& setting, const std::string& controller, const std::string& region)
{
    const auto result = Cli({"defaults", "--setting", setting, "--controller", controller, "--region", region});
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.err, "");
    return result.out;
}

// Without them, the general writer and the region of the resource module.
TEST(CDefaultsCommandTest, PrintsTheBlockOfTheControllerAndRegion)
{
    const std::string block = Block(kFullSettings, "Others", "ZC");
    EXPECT_EQ(block, ReadFileBytes(std::string(test_config::kTestDataDir) + "settings/full-others-zc.pjl"));
    EXPECT_EQ(Block(kFullSettings, "Heron", "ZC").find("@PJL DEFAULT VDRAWCOLOR_"), std::string::npos);
    EXPECT_NE(Block(kFullSettings, "Others", "JP").find("@PJL DEFAULT STACKER = "), std::string::npos);
    EXPECT_EQ(Cli({"defaults", "--setting", kFullSettings}).out, block);
}

// The build tree's program folder offers the sample setting file alone,
// after the defaults.
TEST(CDefaultsCommandTest, ListedNamesAndPathsGiveTheSameBlock)
{
    const auto listed = Cli({"settings"});
    EXPECT_EQ(listed.exitCode, 0);
    EXPECT_EQ(listed.out + listed.err, DefaultsName() + "\nsample\n");
    const std::string defaults = Block(DefaultsName(), "Others", "JP");
    EXPECT_FALSE(defaults.empty());
    EXPECT_EQ(defaults, Block(kSettingFolder + "default.org", "Others", "JP"));
    const std::string sample = Block("sample", "Others", "JP");
    EXPECT_EQ(sample, Block(kSettingFolder + "sample.prn", "Others", "JP"));
    EXPECT_NE(sample, defaults);
}

// Every controller's writer refusing a setting is the writer's test.
TEST(CDefaultsCommandTest, SettingThatCannotBeWrittenPrintsNothingAndSaysWhy)
{
    CTempDir dir;
    std::string broken = ReadFileBytes(kFullSettings);
    const auto at = broken.find("Paper15Size=");
    ASSERT_NE(at, std::string::npos);
    broken.erase(at, broken.find('\n', at) + 1 - at);
    const std::string cannotLoad = std::string("qx-sendora-cli: ") +
                                   CResourceModule::LoadString(ResId::kCannotLoadSettingMessage) + "\n" +
                                   SettingsOnOffer();
    const std::pair<std::string, std::string> cases[] = {
        {dir.Write("broken.prn", broken),
         "qx-sendora-cli: " + CResourceModule::LoadString(ResId::kMissingSettingMessage) + "\n"},
        {dir.File("gone.prn"), cannotLoad},
        {"smaple", cannotLoad}};
    for (const auto& [setting, error] : cases) {
        const auto result = Cli({"defaults", "--setting", setting, "--controller", "Heron"});
        EXPECT_EQ(result.exitCode, 1);
        EXPECT_EQ(result.out, "");
        EXPECT_EQ(result.err, error) << setting;
    }
}
}
