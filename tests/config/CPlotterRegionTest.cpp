// The region code decides which finisher capabilities are read.
#include "CPlotter.h"
#include "CTempDir.h"

#include <gtest/gtest.h>

#include <string>

namespace {
using Strings = CPlotter::Strings;

const char* const kFinisherFile = "[Finisher]\n"
                                  "Stacker=Stack;STACK\n"
                                  "StackBin=Top tray;TOPTRAY,Bin 1;1\n"
                                  "FolderMargin=None;0\n"
                                  "FolderProgramRange=1,50\n"
                                  "FolderBinNoRange=2,10\n"
                                  "FolderOutputBin=Select;SELECTBIN\n";

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

class RegionTest : public testing::TestWithParam<RegionCase> {};

TEST_P(RegionTest, ReadsTheRegionsFinisherLists)
{
    CTempDir dir;
    CPlotter plotter(dir.Write("caps.ini", kFinisherFile));
    ASSERT_TRUE(plotter.LoadConfig(GetParam().region));

    Strings labels;
    Strings codes;
    plotter.GetStackBinList(labels, codes);
    EXPECT_EQ(codes, GetParam().readsStackBins ? Strings({"TOPTRAY", "1"}) : Strings());

    labels.clear();
    codes.clear();
    plotter.GetFolderOutputBinList(labels, codes);
    EXPECT_EQ(codes, GetParam().readsFoldPrograms ? Strings({"SELECTBIN"}) : Strings());
    int lower = -1, upper = -1;
    plotter.GetFolderProgramRange(lower, upper);
    EXPECT_EQ(lower, GetParam().readsFoldPrograms ? 1 : 0);
    EXPECT_EQ(upper, GetParam().readsFoldPrograms ? 50 : 0);
    plotter.GetFolderBinNoRange(lower, upper);
    EXPECT_EQ(lower, GetParam().readsFoldPrograms ? 2 : 0);
    EXPECT_EQ(upper, GetParam().readsFoldPrograms ? 10 : 0);

    // The rest of the finisher is offered in every region.
    labels.clear();
    codes.clear();
    plotter.GetStackerList(labels, codes);
    plotter.GetFolderMarginList(labels, codes);
    EXPECT_EQ(codes, Strings({"STACK", "0"}));
}

INSTANTIATE_TEST_SUITE_P(Regions, RegionTest, testing::ValuesIn(kRegions), [](const auto& info) {
    std::string name = std::string("Region_") + info.param.region;
    for (char& c : name)
        if (c == ' ')
            c = '_';
    return name + "_" + std::to_string(info.index);
});
}
