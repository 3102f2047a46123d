// The shipped capability file: installed beside the program and in the
// fallback folder, consistent in itself, and offering every value of the
// shipped setting files.
#include "CPlotter.h"
#include "CProfile.h"
#include "CTempDir.h"
#include "CTextFields.h"
#include "TestConfig.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <functional>
#include <set>
#include <string>
#include <tuple>
#include <vector>

namespace {
using Strings = CPlotter::Strings;
using ListGetter = void (CPlotter::*)(Strings&, Strings&) const;

std::string ShippedFile()
{
    return std::string(test_config::kSourceDir) + "PrinterSetting/PJLConfig.txt";
}

// default.org and the sample *.prn files.
std::vector<std::string> ShippedSettingFiles()
{
    std::vector<std::string> names;
    const auto folder = std::filesystem::path(test_config::kSourceDir) / "PrinterSetting";
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        const auto extension = entry.path().extension();
        if (extension == ".org" || extension == ".prn")
            names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

CProfile OpenSettingFile(const std::string& name)
{
    CProfile settings;
    settings.Open(std::string(test_config::kSourceDir) + "PrinterSetting/" + name);
    return settings;
}

std::string TestName(const std::string& text)
{
    std::string name = text;
    std::replace_if(name.begin(), name.end(), [](char c) { return !std::isalnum(static_cast<unsigned char>(c)); }, '_');
    return name;
}

// Region "JP" reads every list of the file.
CPlotter LoadShipped()
{
    CPlotter plotter(ShippedFile());
    EXPECT_TRUE(plotter.LoadConfig("JP"));
    return plotter;
}

// The labels (first) and codes (second) of a list.
std::pair<Strings, Strings> List(const CPlotter& plotter, ListGetter get)
{
    std::pair<Strings, Strings> list;
    (plotter.*get)(list.first, list.second);
    return list;
}

Strings Codes(const CPlotter& plotter, ListGetter get)
{
    return List(plotter, get).second;
}

Strings SizeCodes(const CPlotter& plotter, CPlotter::SizeKind kind, const std::string& group)
{
    Strings labels;
    Strings codes;
    if (kind == CPlotter::SizeKind::Output)
        plotter.GetOutputSizeList(group, labels, codes);
    else
        plotter.GetPaperSizeList(group, labels, codes);
    return codes;
}

bool Contains(const Strings& list, const std::string& text)
{
    return std::find(list.begin(), list.end(), text) != list.end();
}

bool HasDuplicates(const Strings& list)
{
    return std::set<std::string>(list.begin(), list.end()).size() != list.size();
}

bool HasEmptyText(const Strings& list)
{
    return Contains(list, "");
}

bool IsNumberIn(const std::string& text, int lower, int upper)
{
    if (text.empty() || !CTextFields::IsDigits(text) || text.size() > 9)
        return false;
    const int value = std::stoi(text);
    return value >= lower && value <= upper;
}

TEST(CPlotterShippedTest, IsInstalledBesideTheProgramAndInTheFallbackFolder)
{
    const std::string shipped = ReadFileBytes(ShippedFile());
    ASSERT_FALSE(shipped.empty());
    EXPECT_EQ(ReadFileBytes(std::string(test_config::kProgramDir) + "PrinterSetting/PJLConfig.txt"), shipped);
    EXPECT_EQ(ReadFileBytes(std::string(test_config::kDataDir) + "PJLConfig.txt"), shipped);
}

TEST(CPlotterShippedTest, MissingFileBesideTheProgramIsTakenFromTheFallbackFolder)
{
    CTempDir dir;
    CPlotter plotter(dir.File("PJLConfig.txt"));
    ASSERT_TRUE(plotter.LoadConfig("JP"));
    const CPlotter shipped = LoadShipped();
    EXPECT_EQ(Codes(plotter, &CPlotter::GetMediaTypeList), Codes(shipped, &CPlotter::GetMediaTypeList));
    EXPECT_EQ(plotter.GetPaperSizeNames(), shipped.GetPaperSizeNames());
    EXPECT_EQ(SizeCodes(plotter, CPlotter::SizeKind::Output, "ISOA"),
              SizeCodes(shipped, CPlotter::SizeKind::Output, "ISOA"));
}

struct ShippedList {
    const char* name;
    ListGetter get;
};

const ShippedList kShippedLists[] = {
    {"StampDates", &CPlotter::GetStampDateList},
    {"StampRotations", &CPlotter::GetStampRotateList},
    {"MediaTypes", &CPlotter::GetMediaTypeList},
    {"OutputTrays", &CPlotter::GetOutputTrayList},
    {"Folders", &CPlotter::GetFolderList},
    {"FolderSizes", &CPlotter::GetFolderSizeList},
    {"FolderMargins", &CPlotter::GetFolderMarginList},
    {"Stackers", &CPlotter::GetStackerList},
    {"StackBins", &CPlotter::GetStackBinList},
    {"FolderOutputBins", &CPlotter::GetFolderOutputBinList},
    {"InputPaperGroups", &CPlotter::GetInputPaperGroupList},
    {"OutputPaperGroups", &CPlotter::GetOutputPaperGroupList},
    {"RollPaperGroups", &CPlotter::GetRollPaperGroupList},
    {"PaperCuts", &CPlotter::GetPaperCutList},
};

class ShippedListTest : public testing::TestWithParam<ShippedList> {};

TEST_P(ShippedListTest, OffersDistinctNamedChoices)
{
    const CPlotter plotter = LoadShipped();
    const auto [labels, codes] = List(plotter, GetParam().get);
    ASSERT_FALSE(codes.empty());
    EXPECT_FALSE(HasEmptyText(labels));
    EXPECT_FALSE(HasEmptyText(codes));
    EXPECT_FALSE(HasDuplicates(labels));
    EXPECT_FALSE(HasDuplicates(codes));
}

INSTANTIATE_TEST_SUITE_P(Lists, ShippedListTest, testing::ValuesIn(kShippedLists),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(CPlotterShippedTest, EveryPaperGroupHasItsSizes)
{
    const CPlotter plotter = LoadShipped();
    Strings groups = Codes(plotter, &CPlotter::GetInputPaperGroupList);
    for (const auto get : {&CPlotter::GetOutputPaperGroupList, &CPlotter::GetRollPaperGroupList})
        for (const auto& group : Codes(plotter, get))
            if (!Contains(groups, group))
                groups.push_back(group);
    for (const auto& group : groups) {
        SCOPED_TRACE(group);
        for (const auto kind : {CPlotter::SizeKind::Output, CPlotter::SizeKind::Paper}) {
            const Strings sizes = SizeCodes(plotter, kind, group);
            // The scale and paper grids have fifteen rows.
            EXPECT_FALSE(sizes.empty());
            EXPECT_LE(sizes.size(), 15u);
            EXPECT_FALSE(HasEmptyText(sizes));
            EXPECT_FALSE(HasDuplicates(sizes));
        }
        // Long sizes follow the standard sizes in every group.
        const auto outputSizes = SizeCodes(plotter, CPlotter::SizeKind::Output, group);
        EXPECT_LT(plotter.GetLongSizeIndex(), static_cast<int>(outputSizes.size()));
    }
    EXPECT_GT(plotter.GetLongSizeIndex(), 0);
}

TEST(CPlotterShippedTest, RangesAndStampRows)
{
    const CPlotter plotter = LoadShipped();
    const std::function<void(int&, int&)> ranges[] = {
        [&](int& l, int& u) { plotter.GetStampNoRange(l, u); },
        [&](int& l, int& u) { plotter.GetPenWidthRange(l, u); },
        [&](int& l, int& u) { plotter.GetFolderProgramRange(l, u); },
        [&](int& l, int& u) { plotter.GetFolderBinNoRange(l, u); },
        [&](int& l, int& u) { int y1, y2; plotter.GetStampPositionRanges(l, u, y1, y2); },
        [&](int& l, int& u) { int x1, x2; plotter.GetStampPositionRanges(x1, x2, l, u); },
    };
    for (const auto& range : ranges) {
        int lower = -1, upper = -1;
        range(lower, upper);
        EXPECT_GE(lower, 0);
        EXPECT_LT(lower, upper);
    }
    EXPECT_FALSE(plotter.GetPaperSizeNames().empty());
    EXPECT_LE(plotter.GetPaperSizeNames().size(), 15u);
    EXPECT_FALSE(HasDuplicates(plotter.GetPaperSizeNames()));
    EXPECT_EQ(plotter.GetNumStampNumbering(), 12);
}

// ---- The shipped setting files -------------------------------------------

// The values a setting-file key may hold, given the capabilities and the
// setting file itself (size lists depend on its paper groups).
using Allowed = std::function<Strings(const CPlotter&, const CProfile&)>;

Allowed ListCodes(ListGetter get)
{
    return [get](const CPlotter& plotter, const CProfile&) { return Codes(plotter, get); };
}

Allowed GroupSizes(CPlotter::SizeKind kind, const char* groupKey, const char* prefix)
{
    return [=](const CPlotter& plotter, const CProfile& settings) {
        const std::string group = settings.GetString("PaperGroup", groupKey, kMissingValue);
        Strings sizes = SizeCodes(plotter, kind, group);
        if (prefix)
            sizes.push_back(prefix + group);
        return sizes;
    };
}

struct SettingKey {
    const char* name;
    const char* section;
    const char* key;  // "#" stands for the numbers 1 to count
    int count;
    Allowed allowed;
};

const SettingKey kSettingKeys[] = {
    {"OutputTray", "OutputTray", "OutputTray", 0, ListCodes(&CPlotter::GetOutputTrayList)},
    {"MediaType", "MediaType", "MediaType", 0, ListCodes(&CPlotter::GetMediaTypeList)},
    {"StampDate", "Stamp", "StampDate", 0, ListCodes(&CPlotter::GetStampDateList)},
    {"FolderMargin", "Finisher", "FolderMargin", 0, ListCodes(&CPlotter::GetFolderMarginList)},
    {"FolderOutputBin", "Finisher", "FolderOutputBin", 0, ListCodes(&CPlotter::GetFolderOutputBinList)},
    {"Stacker", "Finisher", "Stacker", 0, ListCodes(&CPlotter::GetStackerList)},
    {"StackBin", "Finisher", "StackBin", 0, ListCodes(&CPlotter::GetStackBinList)},
    {"FolderSize", "Finisher", "FolderSize", 0, ListCodes(&CPlotter::GetFolderSizeList)},
    {"Folder", "Finisher", "Folder", 0,
     [](const CPlotter& plotter, const CProfile&) {
         // The fold check of the JP finisher page writes "FOLD".
         Strings codes = Codes(plotter, &CPlotter::GetFolderList);
         codes.push_back("FOLD");
         return codes;
     }},
    {"InputPaperGroup", "PaperGroup", "InputPaperGroup", 0, ListCodes(&CPlotter::GetInputPaperGroupList)},
    {"OutputPaperGroup", "PaperGroup", "OutputPaperGroup", 0, ListCodes(&CPlotter::GetOutputPaperGroupList)},
    {"RollPaperGroup", "PaperGroup", "RollPaperGroup", 0, ListCodes(&CPlotter::GetRollPaperGroupList)},
    {"OutputSizes", "OutputSize", "Output#Size", 15,
     GroupSizes(CPlotter::SizeKind::Output, "OutputPaperGroup", nullptr)},
    {"PaperSizes", "PaperSize", "Paper#Size", 15, GroupSizes(CPlotter::SizeKind::Paper, "RollPaperGroup", "AUTO_")},
};

class SettingValueTest : public testing::TestWithParam<std::tuple<std::string, SettingKey>> {};

TEST_P(SettingValueTest, ValueIsOffered)
{
    const auto& [file, settingKey] = GetParam();
    const CPlotter plotter = LoadShipped();
    const CProfile settings = OpenSettingFile(file);
    const Strings allowed = settingKey.allowed(plotter, settings);
    const int count = std::max(settingKey.count, 1);
    for (int n = 1; n <= count; ++n) {
        std::string key = settingKey.key;
        if (settingKey.count > 0)
            key.replace(key.find('#'), 1, std::to_string(n));
        const std::string value = settings.GetString(settingKey.section, key, kMissingValue);
        EXPECT_TRUE(Contains(allowed, value)) << key << "=" << value;
    }
}

INSTANTIATE_TEST_SUITE_P(ShippedFiles, SettingValueTest,
                         testing::Combine(testing::ValuesIn(ShippedSettingFiles()), testing::ValuesIn(kSettingKeys)),
                         [](const auto& info) {
                             return TestName(std::get<0>(info.param)) + "_" + std::get<1>(info.param).name;
                         });

class SettingNumbersTest : public testing::TestWithParam<std::string> {};

TEST_P(SettingNumbersTest, NumbersLieInTheirRanges)
{
    const CPlotter plotter = LoadShipped();
    const CProfile settings = OpenSettingFile(GetParam());

    int lower = 0, upper = 0;
    plotter.GetStampNoRange(lower, upper);
    const std::string stampId = settings.GetString("Stamp", "StampID", kMissingValue);
    EXPECT_TRUE(stampId == "OFF" || IsNumberIn(stampId, lower, upper)) << stampId;

    plotter.GetFolderProgramRange(lower, upper);
    const std::string program = settings.GetString("Finisher", "FolderProgramRange", kMissingValue);
    EXPECT_TRUE(program == "OFF" || IsNumberIn(program, lower, upper)) << program;

    plotter.GetFolderBinNoRange(lower, upper);
    const std::string bin = settings.GetString("Finisher", "FolderBinNoRange", kMissingValue);
    EXPECT_TRUE(IsNumberIn(bin, lower, upper)) << bin;

    const std::string numbering = settings.GetString("Stamp", "StampNumberingString", kMissingValue);
    EXPECT_LE(static_cast<int>(numbering.size()), plotter.GetNumStampNumbering());

    plotter.GetPenWidthRange(lower, upper);
    for (int pen = 1; pen <= 32; ++pen) {
        const std::string value = settings.GetString("HPGLPen", "Pen" + std::to_string(pen), kMissingValue);
        EXPECT_TRUE(IsNumberIn(CTextFields::ExtractField(value, 1, ""), lower, upper)) << "Pen" << pen << "=" << value;
    }
}

INSTANTIATE_TEST_SUITE_P(ShippedFiles, SettingNumbersTest, testing::ValuesIn(ShippedSettingFiles()),
                         [](const auto& info) { return TestName(info.param); });
}
