#include "CProcess.h"
#include "CResourceModule.h"
#include "CTempDir.h"
#include "ResourceIds.h"
#include "SettingsOnOffer.h"
#include "TestConfig.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace {
const std::string kShippedDefaults = std::string(test_config::kProgramDir) + "PrinterSetting/default.org";

std::string DefaultsName()
{
    return CResourceModule::LoadString(ResId::kPrinterDefaultsName);
}

CProcessResult Cli(const std::vector<std::string>& args, const std::map<std::string, std::string>& environment = {})
{
    return CProcess::Run(test_config::kCli, args, environment);
}

CProcessResult Defaults(const std::string& setting, const std::string& controller, const std::string& region)
{
    return Cli({"defaults", "--setting", setting, "--controller", controller, "--region", region});
}

std::vector<std::string> SplitLines(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

bool StartsWithAny(const std::string& line, std::initializer_list<const char*> names)
{
    for (const char* name : names)
        if (line.rfind(std::string("@PJL DEFAULT ") + name, 0) == 0)
            return true;
    return false;
}

// The block without the rows in which controllers and regions differ.
std::vector<std::string> CommonRows(const std::string& block)
{
    std::vector<std::string> rows;
    for (auto line : SplitLines(block)) {
        if (StartsWithAny(line, {"VDRAWCOLOR_", "RDRAWCOLOR_", "FINISH", "FOLD", "BALER", "STACKER", "STACKBIN"}))
            continue;
        for (auto at = line.find("MITTER"); at != std::string::npos; at = line.find("MITTER", at))
            line.replace(at, 6, "MITER");
        rows.push_back(line);
    }
    return rows;
}

void ExpectBlock(const CProcessResult& result)
{
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.err, "");
    ASSERT_FALSE(result.out.empty());
    EXPECT_EQ(result.out.back(), '\n');
    EXPECT_EQ(result.out.find('\r'), std::string::npos);
    for (const auto& line : SplitLines(result.out))
        EXPECT_EQ(line.rfind("@PJL DEFAULT ", 0), 0u) << line;
}

TEST(CDefaultsCommandTest, DefaultsByNameAndByPathAreIdentical)
{
    for (const char* controller : {"Others", "Heron", "Corvid2nd"}) {
        const auto byName = Defaults(DefaultsName(), controller, "ZC");
        const auto byPath = Defaults(kShippedDefaults, controller, "ZC");
        ExpectBlock(byName);
        EXPECT_EQ(byName.out, byPath.out) << controller;
    }
}

TEST(CDefaultsCommandTest, UserFileByNameAndByPath)
{
    const auto byName = Defaults("sample", "Others", "JP");
    ExpectBlock(byName);
    const std::string path = std::string(test_config::kProgramDir) + "PrinterSetting/sample.prn";
    EXPECT_EQ(byName.out, Defaults(path, "Others", "JP").out);
    EXPECT_NE(byName.out, Defaults(DefaultsName(), "Others", "JP").out);
}

TEST(CDefaultsCommandTest, ControllersAndRegionsDifferOnlyInTheirRows)
{
    const auto reference = Defaults(DefaultsName(), "Others", "ZC");
    ExpectBlock(reference);
    // 32 pens, pen width change, raster colour, 16 drawing colours, media
    // source, tray, stamp id (stamp off), 5 label and media type lines,
    // 3 finisher lines, 2 modes, scale, 15 + 15 sizes.
    EXPECT_EQ(SplitLines(reference.out).size(), 32u * 4 + 2 + 16 + 3 + 5 + 3 + 3 + 30);
    for (const char* controller : {"", "Others", "Heron", "Corvid2nd"})
        for (const char* region : {"ZC", "JP", "AP", "CL", "XX"}) {
            const auto result = Defaults(DefaultsName(), controller, region);
            ExpectBlock(result);
            EXPECT_EQ(CommonRows(result.out), CommonRows(reference.out)) << controller << ' ' << region;
        }
}

TEST(CDefaultsCommandTest, RegionDefaultsToTheResourceModule)
{
    const auto result = Cli({"defaults", "--setting", DefaultsName()});
    ExpectBlock(result);
    EXPECT_EQ(result.out, Defaults(DefaultsName(), "", "ZC").out);
}

TEST(CDefaultsCommandTest, MissingKeyPrintsNothingAndReportsIt)
{
    CTempDir dir;
    std::string text = ReadFileBytes(kShippedDefaults);
    const auto at = text.find("Paper15Size=");
    ASSERT_NE(at, std::string::npos);
    text.erase(at, text.find('\n', at) + 1 - at);
    const std::string path = dir.Write("broken.prn", text);
    for (const char* controller : {"Others", "Heron", "Corvid2nd"}) {
        const auto result = Defaults(path, controller, "ZC");
        EXPECT_EQ(result.exitCode, 1);
        EXPECT_EQ(result.out, "");
        EXPECT_EQ(result.err, CResourceModule::LoadString(ResId::kMissingSettingMessage) + "\n");
    }
}

TEST(CDefaultsCommandTest, UnknownSettingReportsItAndTheNamesOnOffer)
{
    CTempDir dir;
    for (const std::string& setting : {dir.File("gone.prn"), std::string("smaple")}) {
        const auto result = Defaults(setting, "Others", "ZC");
        EXPECT_EQ(result.exitCode, 1);
        EXPECT_EQ(result.out, "");
        EXPECT_EQ(result.err, CResourceModule::LoadString(ResId::kCannotLoadSettingMessage) + "\n" + SettingsOnOffer());
    }
}

TEST(CDefaultsCommandTest, SettingsListsTheDefaultsFirst)
{
    const auto result = Cli({"settings"});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.err, "");
    const auto names = SplitLines(result.out);
    ASSERT_FALSE(names.empty());
    EXPECT_EQ(names.front(), DefaultsName());
    EXPECT_NE(std::find(names.begin() + 1, names.end(), "sample"), names.end());
    EXPECT_EQ(std::find(names.begin(), names.end(), "default"), names.end());
}
}
