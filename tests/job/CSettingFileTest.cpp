#include "CResourceModule.h"
#include "CSettingFile.h"
#include "CTempDir.h"
#include "ResourceIds.h"
#include "CaseNames.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

namespace {
const std::string kSettingFile = "[QXSD]\nHPPJL Version=1.0.0\n[HPGLPen]\nPenWidthChange=ON\n";

std::string DefaultsName()
{
    return CResourceModule::LoadString(ResId::kPrinterDefaultsName);
}

TEST(CSettingFileTest, ListsDefaultsFirstThenPrnFilesOfAnyCaseOrOnlyTheDefaultsOfAMissingFolder)
{
    CTempDir dir;
    for (const char* name : {"first.prn", "second.PRN", "third.prn.bak", "fourth.prnx", "notes.txt", "default.org"})
        dir.Write(name, kSettingFile);
    std::filesystem::create_directory(dir.File("folder.prn"));

    auto names = CSettingFile(dir.Path(), dir.Path()).ListNames();
    ASSERT_FALSE(names.empty());
    EXPECT_EQ(names.front(), DefaultsName());
    // The file system decides the order of the rest.
    std::sort(names.begin() + 1, names.end());
    EXPECT_EQ(names, (std::vector<std::string>{DefaultsName(), "first", "second"}));
    EXPECT_EQ(CSettingFile(dir.File("none/"), dir.Path()).ListNames(), std::vector<std::string>{DefaultsName()});
}

// An installation's own folder beside the shipped one: each title listed
// once, and the user's file of a title before the shipped one.
TEST(CSettingFileTest, ListsAndResolvesTheUsersFilesBesideTheShippedOnes)
{
    CTempDir dir;
    for (const char* name : {"shipped/default.org", "shipped/both.prn", "shipped/only-shipped.prn", "own/both.prn",
                             "own/only-own.prn"})
        dir.Write(name, kSettingFile);
    const CSettingFile files(dir.File("own/"), dir.File("shipped/"), dir.File("fallback/"));

    auto names = files.ListNames();
    ASSERT_EQ(names.size(), 4u);
    std::sort(names.begin() + 1, names.begin() + 3);
    EXPECT_EQ(names, (std::vector<std::string>{DefaultsName(), "both", "only-shipped", "only-own"}));
    EXPECT_EQ(files.GetFolder(), dir.File("own/"));
    const std::pair<std::string, std::string> resolved[] = {{DefaultsName(), "shipped/default.org"},
        {"both", "own/both.prn"}, {"only-shipped", "shipped/only-shipped.prn"}, {"only-own", "own/only-own.prn"}};
    for (const auto& [name, file] : resolved)
        EXPECT_EQ(files.Resolve(name).path, dir.File(file)) << name;
}

enum class Where { Folder, Fallback, Nowhere };

struct ResolveCase {
    const char* name;
    const char* selected;     // "*" stands for the defaults entry
    bool withFolderDefault;   // default.org in the setting folder
    bool withFallback;        // default.org in the fallback folder
    Where where;
    const char* fileName;     // expected file name in that folder
    bool usesDefaults;
};

class CSettingFileResolveTest : public testing::TestWithParam<ResolveCase> {};

TEST_P(CSettingFileResolveTest, Resolves)
{
    const auto& param = GetParam();
    CTempDir dir;
    const std::string folder = dir.File("PrinterSetting/");
    const std::string fallback = dir.File("fallback/");
    dir.Write("PrinterSetting/plain.prn", kSettingFile);
    dir.Write("PrinterSetting/future.prn", "[QXSD]\nHPPJL Version=7.3\n");
    dir.Write("PrinterSetting/unmarked.prn", "[QXSD]\nQXSD Version=1.0.0\n[HPGLPen]\nPenWidthChange=ON\n");
    dir.Write("PrinterSetting/empty.prn", "");
    if (param.withFolderDefault)
        dir.Write("PrinterSetting/default.org", kSettingFile);
    if (param.withFallback)
        dir.Write("fallback/default.org", kSettingFile);

    const std::string selected = std::string(param.selected) == "*" ? DefaultsName() : param.selected;
    const auto result = CSettingFile(folder, fallback).Resolve(selected);

    EXPECT_EQ(result.ok, param.where != Where::Nowhere);
    EXPECT_EQ(result.usesDefaultSettings, param.usesDefaults);
    if (param.where != Where::Nowhere) {
        EXPECT_EQ(result.path, (param.where == Where::Folder ? folder : fallback) + param.fileName);
    }
}

const ResolveCase kResolveCases[] = {
    {"Defaults", "*", true, true, Where::Folder, "default.org", true},
    {"DefaultsMissingBesideProgram", "*", false, true, Where::Fallback, "default.org", true},
    {"DefaultsMissingEverywhere", "*", false, false, Where::Nowhere, "", true},
    {"UserFile", "plain", true, true, Where::Folder, "plain.prn", false},
    {"UserFileNeedsNoFallback", "plain", false, false, Where::Folder, "plain.prn", false},
    {"OtherVersionUsedAlike", "future", true, true, Where::Folder, "future.prn", false},
    // A chosen setting that cannot be read is never replaced by the defaults.
    {"WithoutVersionFails", "unmarked", true, true, Where::Nowhere, "", false},
    {"EmptyFileFails", "empty", true, true, Where::Nowhere, "", false},
    {"DeletedFileFails", "deleted", true, true, Where::Nowhere, "", false},
    {"NameIsNotTheFileName", "default", true, true, Where::Nowhere, "", false},
};

INSTANTIATE_TEST_SUITE_P(Selections, CSettingFileResolveTest, testing::ValuesIn(kResolveCases), ByCaseName());

TEST(CSettingFileTest, EditsBetweenResolutionsAreSeen)
{
    CTempDir dir;
    dir.Write("later.prn", "[QXSD]\n");
    const CSettingFile files(dir.Path(), dir.File("nowhere/"));
    EXPECT_FALSE(files.Resolve("later").ok);
    dir.Write("later.prn", kSettingFile);
    const auto result = files.Resolve("later");
    EXPECT_TRUE(result.ok);
    EXPECT_EQ(result.path, dir.File("later.prn"));
}
}
