// The shipped capability file: installed beside the program and in the fallback folder, and
// consistent in itself (that it offers every value of the shipped setting files is checked with
// the settings editor's pages).
#include "CPlotter.h"
#include "CTempDir.h"
#include "TestConfig.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <set>
#include <string>

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

const std::pair<const char*, RangeGetter> kRanges[] = {
    {"StampNumbers", &CPlotter::GetStampNoRange},
    {"PenWidths", &CPlotter::GetPenWidthRange},
    {"FolderPrograms", &CPlotter::GetFolderProgramRange},
    {"FolderBins", &CPlotter::GetFolderBinNoRange},
    {"StampX", [](const CPlotter& p, int& l, int& u) { int y; p.GetStampPositionRanges(l, u, y, y); }},
    {"StampY", [](const CPlotter& p, int& l, int& u) { int x; p.GetStampPositionRanges(x, x, l, u); }},
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
        int lower = -1, upper = -1;
        get(plotter, lower, upper);
        EXPECT_TRUE(lower >= 0 && lower < upper) << name;
    }
    EXPECT_TRUE(AreDistinctChoices(plotter.GetPaperSizeNames()));
    EXPECT_LE(plotter.GetPaperSizeNames().size(), 15u);
    EXPECT_EQ(plotter.GetNumStampNumbering(), 12);
    EXPECT_EQ(plotter.GetColorNames(), (Strings{"White", "Black", "Red"}));
    EXPECT_EQ(plotter.GetStampColorNames(), (Strings{"Black", "Red", "Gray"}));
}
}
