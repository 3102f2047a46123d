// The shipped capability file: installed beside the program and in the fallback folder, consistent
// in itself, and offering every value of the shipped setting files.
#include "CPlotter.h"
#include "CProfile.h"
#include "CaseNames.h"
#include "CTempDir.h"
#include "CTextFields.h"
#include "TestConfig.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <set>
#include <string>
#include <vector>

namespace {
using Strings = CPlotter::Strings;
using ListGetter = void (CPlotter::*)(Strings&, Strings&) const;
using RangeGetter = std::function<void(const CPlotter&, int&, int&)>;

const std::string kFolder = std::string(test_config::kSourceDir) + "PrinterSetting/";

// Region "JP" reads every list of the file.
CPlotter LoadShipped()
{
    CPlotter plotter(kFolder + "PJLConfig.txt");
    EXPECT_TRUE(plotter.LoadConfig("JP"));
    return plotter;
}

std::pair<Strings, Strings> List(const CPlotter& plotter, ListGetter get)
{
    std::pair<Strings, Strings> list;
    (plotter.*get)(list.first, list.second);
    return list;
}

Strings SizeCodes(const CPlotter& plotter, CPlotter::SizeKind kind, const std::string& group)
{
    Strings labels, codes;
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

// Each entry shows as a choice of its own, none of them blank.
bool AreDistinctChoices(const Strings& list)
{
    const std::set<std::string> distinct(list.begin(), list.end());
    return !list.empty() && !Contains(list, "") && distinct.size() == list.size();
}

bool IsNumberIn(const std::string& text, std::pair<int, int> range)
{
    return !text.empty() && text.size() <= 9 && CTextFields::IsDigits(text) && std::stoi(text) >= range.first &&
           std::stoi(text) <= range.second;
}

const std::pair<const char*, ListGetter> kLists[] = {
    {"StampDates", &CPlotter::GetStampDateList},      {"StampRotations", &CPlotter::GetStampRotateList},
    {"MediaTypes", &CPlotter::GetMediaTypeList},      {"OutputTrays", &CPlotter::GetOutputTrayList},
    {"Folders", &CPlotter::GetFolderList},            {"FolderSizes", &CPlotter::GetFolderSizeList},
    {"FolderMargins", &CPlotter::GetFolderMarginList}, {"Stackers", &CPlotter::GetStackerList},
    {"StackBins", &CPlotter::GetStackBinList},        {"FolderOutputBins", &CPlotter::GetFolderOutputBinList},
    {"InputPaperGroups", &CPlotter::GetInputPaperGroupList},
    {"OutputPaperGroups", &CPlotter::GetOutputPaperGroupList},
    {"RollPaperGroups", &CPlotter::GetRollPaperGroupList}, {"PaperCuts", &CPlotter::GetPaperCutList},
};

std::pair<int, int> Range(const CPlotter& plotter, RangeGetter get)
{
    std::pair<int, int> range{-1, -1};
    get(plotter, range.first, range.second);
    return range;
}

const RangeGetter kStampNumbers = [](const CPlotter& p, int& l, int& u) { p.GetStampNoRange(l, u); };
const RangeGetter kPenWidths = [](const CPlotter& p, int& l, int& u) { p.GetPenWidthRange(l, u); };
const RangeGetter kFolderPrograms = [](const CPlotter& p, int& l, int& u) { p.GetFolderProgramRange(l, u); };
const RangeGetter kFolderBins = [](const CPlotter& p, int& l, int& u) { p.GetFolderBinNoRange(l, u); };
const std::pair<const char*, RangeGetter> kRanges[] = {
    {"StampNumbers", kStampNumbers}, {"PenWidths", kPenWidths},
    {"FolderPrograms", kFolderPrograms}, {"FolderBins", kFolderBins},
    {"StampX", [](const CPlotter& p, int& l, int& u) { int y1, y2; p.GetStampPositionRanges(l, u, y1, y2); }},
    {"StampY", [](const CPlotter& p, int& l, int& u) { int x1, x2; p.GetStampPositionRanges(x1, x2, l, u); }},
};

TEST(CPlotterShippedTest, IsInstalledBesideTheProgramAndInTheFallbackFolder)
{
    const std::string shipped = ReadFileBytes(kFolder + "PJLConfig.txt");
    ASSERT_FALSE(shipped.empty());
    EXPECT_EQ(ReadFileBytes(std::string(test_config::kProgramDir) + "PrinterSetting/PJLConfig.txt"), shipped);
    EXPECT_EQ(ReadFileBytes(std::string(test_config::kDataDir) + "PJLConfig.txt"), shipped);
}

TEST(CPlotterShippedTest, OffersDistinctChoicesSizesForEveryGroupAndRanges)
{
    const CPlotter plotter = LoadShipped();
    for (const auto& [name, get] : kLists) {
        EXPECT_TRUE(AreDistinctChoices(List(plotter, get).first)) << name;
        EXPECT_TRUE(AreDistinctChoices(List(plotter, get).second)) << name;
    }
    // The scale and paper grids have fifteen rows; long sizes follow the
    // standard sizes in every group.
    std::set<std::string> groups;
    for (const ListGetter get :
         {&CPlotter::GetInputPaperGroupList, &CPlotter::GetOutputPaperGroupList, &CPlotter::GetRollPaperGroupList})
        for (const auto& group : List(plotter, get).second)
            groups.insert(group);
    for (const auto& group : groups) {
        for (const auto kind : {CPlotter::SizeKind::Output, CPlotter::SizeKind::Paper}) {
            EXPECT_TRUE(AreDistinctChoices(SizeCodes(plotter, kind, group))) << group;
            EXPECT_LE(SizeCodes(plotter, kind, group).size(), 15u) << group;
        }
        EXPECT_LT(plotter.GetLongSizeIndex(), std::ssize(SizeCodes(plotter, CPlotter::SizeKind::Output, group)));
    }
    EXPECT_GT(plotter.GetLongSizeIndex(), 0);
    for (const auto& [name, get] : kRanges) {
        const auto [lower, upper] = Range(plotter, get);
        EXPECT_TRUE(lower >= 0 && lower < upper) << name;
    }
    EXPECT_TRUE(AreDistinctChoices(plotter.GetPaperSizeNames()));
    EXPECT_LE(plotter.GetPaperSizeNames().size(), 15u);
    EXPECT_EQ(plotter.GetNumStampNumbering(), 12);
    EXPECT_EQ(plotter.GetColorNames(), (Strings{"White", "Black", "Red"}));
    EXPECT_EQ(plotter.GetStampColorNames(), (Strings{"Black", "Red", "Gray"}));
}

// ---- The shipped setting files -------------------------------------------

// Whether a setting-file value is one the settings pages offer, given the
// capabilities and the setting file itself (size lists depend on its
// paper groups).
using Offered = std::function<bool(const std::string& value, const CPlotter&, const CProfile&)>;

Offered InList(ListGetter get, const char* extra = "")
{
    return [=](const std::string& value, const CPlotter& plotter, const CProfile&) {
        return Contains(List(plotter, get).second, value) || (*extra && value == extra);
    };
}

Offered InGroupSizes(CPlotter::SizeKind kind, const char* groupKey, const char* prefix)
{
    return [=](const std::string& value, const CPlotter& plotter, const CProfile& settings) {
        const std::string group = settings.GetString("PaperGroup", groupKey, kMissingValue);
        return Contains(SizeCodes(plotter, kind, group), value) || (*prefix && value == prefix + group);
    };
}

// A number of the range (of its first field, for a pen's width, colour and
// styles), or "OFF" where that is offered.
Offered InRange(RangeGetter get, bool off = false, bool firstField = false)
{
    return [=](const std::string& value, const CPlotter& plotter, const CProfile&) {
        const std::string number = firstField ? CTextFields::ExtractField(value, 1, "") : value;
        return (off && value == "OFF") || IsNumberIn(number, Range(plotter, get));
    };
}

struct SettingKey {
    const char* section;
    const char* key;  // "#" stands for the numbers 1 to count
    int count;
    Offered offered;
};

const SettingKey kSettingKeys[] = {
    {"OutputTray", "OutputTray", 0, InList(&CPlotter::GetOutputTrayList)},
    {"MediaType", "MediaType", 0, InList(&CPlotter::GetMediaTypeList)},
    {"Stamp", "StampDate", 0, InList(&CPlotter::GetStampDateList)},
    {"Finisher", "FolderMargin", 0, InList(&CPlotter::GetFolderMarginList)},
    {"Finisher", "FolderOutputBin", 0, InList(&CPlotter::GetFolderOutputBinList)},
    {"Finisher", "Stacker", 0, InList(&CPlotter::GetStackerList)},
    {"Finisher", "StackBin", 0, InList(&CPlotter::GetStackBinList)},
    {"Finisher", "FolderSize", 0, InList(&CPlotter::GetFolderSizeList)},
    // The fold check of the JP finisher page writes "FOLD".
    {"Finisher", "Folder", 0, InList(&CPlotter::GetFolderList, "FOLD")},
    {"PaperGroup", "InputPaperGroup", 0, InList(&CPlotter::GetInputPaperGroupList)},
    {"PaperGroup", "OutputPaperGroup", 0, InList(&CPlotter::GetOutputPaperGroupList)},
    {"PaperGroup", "RollPaperGroup", 0, InList(&CPlotter::GetRollPaperGroupList)},
    {"OutputSize", "Output#Size", 15, InGroupSizes(CPlotter::SizeKind::Output, "OutputPaperGroup", "")},
    {"PaperSize", "Paper#Size", 15, InGroupSizes(CPlotter::SizeKind::Paper, "RollPaperGroup", "AUTO_")},
    {"Stamp", "StampID", 0, InRange(kStampNumbers, true)},
    {"HPGLPen", "Pen#", 32, InRange(kPenWidths, false, true)},
    {"Finisher", "FolderProgramRange", 0, InRange(kFolderPrograms, true)},
    {"Finisher", "FolderBinNoRange", 0, InRange(kFolderBins)},
    {"Stamp", "StampNumberingString", 0,
     [](const std::string& value, const CPlotter& plotter, const CProfile&) {
         return static_cast<int>(value.size()) <= plotter.GetNumStampNumbering();
     }},
};

// default.org and the sample *.prn files.
std::vector<std::string> ShippedSettingFiles()
{
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(kFolder))
        if (entry.path().extension() == ".org" || entry.path().extension() == ".prn")
            names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

class SettingFileTest : public testing::TestWithParam<std::string> {};

TEST_P(SettingFileTest, EveryValueIsOffered)
{
    const CPlotter plotter = LoadShipped();
    CProfile settings;
    settings.Open(kFolder + GetParam());
    for (const SettingKey& settingKey : kSettingKeys)
        for (int n = 1; n <= std::max(settingKey.count, 1); ++n) {
            std::string key = settingKey.key;
            if (settingKey.count > 0)
                key.replace(key.find('#'), 1, std::to_string(n));
            const std::string value = settings.GetString(settingKey.section, key, kMissingValue);
            EXPECT_TRUE(settingKey.offered(value, plotter, settings)) << key << "=" << value;
        }
}

INSTANTIATE_TEST_SUITE_P(ShippedFiles, SettingFileTest, testing::ValuesIn(ShippedSettingFiles()),
                         [](const auto& info) { return TestNameOf(info.param); });
}
