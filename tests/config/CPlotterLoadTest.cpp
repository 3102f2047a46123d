// When the capability file is read: once by LoadConfig for the cached
// lists, with the finisher lists of the region, and at every call for the
// size lists of a paper group.
#include "CPlotter.h"
#include "CProgramPaths.h"
#include "CTempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>

namespace {
using Strings = CPlotter::Strings;

Strings Codes(const CPlotter& plotter, void (CPlotter::*get)(Strings&, Strings&) const)
{
    Strings labels;
    Strings codes;
    (plotter.*get)(labels, codes);
    return codes;
}

Strings OutputSizeCodes(const CPlotter& plotter, const std::string& group)
{
    Strings labels;
    Strings codes;
    plotter.GetOutputSizeList(group, labels, codes);
    return codes;
}

std::pair<int, int> Bounds(const CPlotter& plotter, void (CPlotter::*get)(int&, int&) const)
{
    int lower = -1;
    int upper = -1;
    (plotter.*get)(lower, upper);
    return {lower, upper};
}

TEST(CPlotterLoadTest, DefaultFileLiesInPrinterSettingBesideTheProgram)
{
    EXPECT_EQ(CPlotter().GetCapabilityFilePath(), CProgramPaths::GetProgramFolder() + "PrinterSetting/PJLConfig.txt");
    EXPECT_EQ(CPlotter::GetDefaultCapabilityFilePath(), CPlotter().GetCapabilityFilePath());
}

TEST(CPlotterLoadTest, LoadedListsChangeOnlyWhenLoadedAgainAndAreThenReplaced)
{
    CTempDir dir;
    CPlotter plotter(dir.Write("caps.ini", "[MediaType]\nMediaType=Plain;PLAIN\n[PaperSizeName]\nStamp=A0\n"
                                           "[Finisher]\nStackBin=Bin 1;1\n"));
    ASSERT_TRUE(plotter.LoadConfig("JP"));
    dir.Write("caps.ini", "[MediaType]\nMediaType=Film;FILM\n[Finisher]\nStackBin=Bin 2;2\n");
    EXPECT_EQ(Codes(plotter, &CPlotter::GetMediaTypeList), Strings({"PLAIN"}));
    ASSERT_TRUE(plotter.LoadConfig("AP"));
    EXPECT_EQ(Codes(plotter, &CPlotter::GetMediaTypeList), Strings({"FILM"}));
    EXPECT_TRUE(plotter.GetPaperSizeNames().empty());
    EXPECT_TRUE(Codes(plotter, &CPlotter::GetStackBinList).empty());
}

TEST(CPlotterLoadTest, SizeListsAreReadAtEveryCall)
{
    CTempDir dir;
    const CPlotter plotter(dir.Write("caps.ini", "[Scale]\nA_OutputSize=A0;A0,A1;A1\nINDEX_LONGSIZEPSTN=1\n"));
    EXPECT_EQ(OutputSizeCodes(plotter, "A"), Strings({"A0", "A1"}));
    EXPECT_EQ(plotter.GetLongSizeIndex(), 1);
    EXPECT_EQ(plotter.GetSizeLabel(CPlotter::SizeKind::Output, "A", "A2"), "");

    dir.Write("caps.ini", "[Scale]\nA_OutputSize=A0;A0,A1;A1,A2 long;A2\nINDEX_LONGSIZEPSTN=2\n");
    EXPECT_EQ(OutputSizeCodes(plotter, "A"), Strings({"A0", "A1", "A2"}));
    EXPECT_EQ(plotter.GetLongSizeIndex(), 2);
    EXPECT_EQ(plotter.GetSizeLabel(CPlotter::SizeKind::Output, "A", "A2"), "A2 long");
}

struct SizeLabelCase {
    const char* name;
    CPlotter::SizeKind kind;
    const char* group;
    const char* code;
    const char* label;
};

const SizeLabelCase kSizeLabelCases[] = {
    {"FirstMatchWins", CPlotter::SizeKind::Output, "A", "X", "Big"},
    {"LaterEntry", CPlotter::SizeKind::Output, "A", "Y", "Other"},
    {"PaperKindReadsPaperSizes", CPlotter::SizeKind::Paper, "A", "X", "Roll"},
    {"OnlyInPaperSizes", CPlotter::SizeKind::Paper, "A", "Z", "Sheet"},
    {"OnlyInOutputSizes", CPlotter::SizeKind::Paper, "A", "Y", ""},
    {"CodeNotListed", CPlotter::SizeKind::Output, "A", "Q", ""},
    {"CodesAreCaseSensitive", CPlotter::SizeKind::Output, "A", "x", ""},
    {"CodesAreNotTrimmed", CPlotter::SizeKind::Output, "A", " X", ""},
    {"ItemWithoutCodeHasEmptyCode", CPlotter::SizeKind::Output, "A", "", "Bare"},
    {"MissingGroup", CPlotter::SizeKind::Output, "B", "X", ""},
    {"GroupNamesAreExact", CPlotter::SizeKind::Output, "A ", "X", ""},
};

class SizeLabelTest : public testing::TestWithParam<SizeLabelCase> {};

TEST_P(SizeLabelTest, FindsTheLabelOfACode)
{
    CTempDir dir;
    const CPlotter plotter(dir.Write("caps.ini", "[Scale]\n"
                                                 "A_OutputSize=Big;X,Small;X,Bare,Other;Y\n"
                                                 "A_PaperSize=Roll;X,Sheet;Z\n"));
    EXPECT_EQ(plotter.GetSizeLabel(GetParam().kind, GetParam().group, GetParam().code), GetParam().label);
}

INSTANTIATE_TEST_SUITE_P(Sizes, SizeLabelTest, testing::ValuesIn(kSizeLabelCases),
                         [](const auto& info) { return std::string(info.param.name); });

// The region code decides which finisher capabilities are read; the rest
// of the finisher is offered in every region.
struct RegionCase {
    const char* region;
    bool readsStackBins;
    bool readsFoldPrograms;
};

const RegionCase kRegions[] = {
    {"JP", true, true},   {"ZC", false, true},  {"FR", false, true}, {"GE", false, true},
    {"SP", false, true},  {"PO", false, true},  {"AP", false, false}, {"CL", false, false},
    {"US", false, false}, {"", false, false},   {"jp", false, false}, {"zc", false, false},
    {"JP ", false, false}, {"ZCX", false, false},
};

class CPlotterRegionTest : public testing::TestWithParam<RegionCase> {};

TEST_P(CPlotterRegionTest, ReadsTheRegionsFinisherLists)
{
    CTempDir dir;
    CPlotter plotter(dir.Write("caps.ini", "[Finisher]\nStacker=Stack;STACK\nStackBin=Top tray;TOPTRAY,Bin 1;1\n"
                                           "FolderMargin=None;0\nFolderProgramRange=1,50\nFolderBinNoRange=2,10\n"
                                           "FolderOutputBin=Select;SELECTBIN\n"));
    ASSERT_TRUE(plotter.LoadConfig(GetParam().region));
    const bool fold = GetParam().readsFoldPrograms;
    EXPECT_EQ(Codes(plotter, &CPlotter::GetStackBinList),
              GetParam().readsStackBins ? Strings({"TOPTRAY", "1"}) : Strings());
    EXPECT_EQ(Codes(plotter, &CPlotter::GetFolderOutputBinList), fold ? Strings({"SELECTBIN"}) : Strings());
    EXPECT_EQ(Bounds(plotter, &CPlotter::GetFolderProgramRange), fold ? std::pair(1, 50) : std::pair(0, 0));
    EXPECT_EQ(Bounds(plotter, &CPlotter::GetFolderBinNoRange), fold ? std::pair(2, 10) : std::pair(0, 0));
    EXPECT_EQ(Codes(plotter, &CPlotter::GetStackerList), Strings({"STACK"}));
    EXPECT_EQ(Codes(plotter, &CPlotter::GetFolderMarginList), Strings({"0"}));
}

INSTANTIATE_TEST_SUITE_P(Regions, CPlotterRegionTest, testing::ValuesIn(kRegions), [](const auto& info) {
    std::string name = std::string("Region_") + info.param.region;
    std::replace(name.begin(), name.end(), ' ', '_');
    return name + "_" + std::to_string(info.index);
});
}
