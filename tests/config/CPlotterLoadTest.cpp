// When the capability file is read: once by LoadConfig for the cached
// lists, at every call for the size lists of a paper group.
#include "CPlotter.h"
#include "CProgramPaths.h"
#include "CTempDir.h"

#include <gtest/gtest.h>

#include <string>

namespace {
using Strings = CPlotter::Strings;

Strings MediaCodes(const CPlotter& plotter)
{
    Strings labels;
    Strings codes;
    plotter.GetMediaTypeList(labels, codes);
    return codes;
}

Strings OutputSizeCodes(const CPlotter& plotter, const std::string& group)
{
    Strings labels;
    Strings codes;
    plotter.GetOutputSizeList(group, labels, codes);
    return codes;
}

TEST(CPlotterLoadTest, DefaultFileLiesInPrinterSettingBesideTheProgram)
{
    EXPECT_EQ(CPlotter().GetCapabilityFilePath(), CProgramPaths::GetProgramFolder() + "PrinterSetting/PJLConfig.txt");
    EXPECT_EQ(CPlotter::GetDefaultCapabilityFilePath(), CPlotter().GetCapabilityFilePath());
}

TEST(CPlotterLoadTest, IsEmptyUntilLoaded)
{
    CTempDir dir;
    const CPlotter plotter(dir.Write("caps.ini", "[MediaType]\nMediaType=Plain;PLAIN\n[Stamp]\nStampNoRange=1,9\n"));
    EXPECT_TRUE(MediaCodes(plotter).empty());
    EXPECT_TRUE(plotter.GetPaperSizeNames().empty());
    int lower = -1, upper = -1;
    plotter.GetStampNoRange(lower, upper);
    EXPECT_EQ(lower, 0);
    EXPECT_EQ(upper, 0);
    EXPECT_EQ(plotter.GetNumStampNumbering(), 0);
}

TEST(CPlotterLoadTest, MissingFileGivesEmptyListsAndDefaults)
{
    CTempDir dir;
    CPlotter plotter(dir.File("absent.ini"));
    EXPECT_TRUE(plotter.LoadConfig("ZC"));
    Strings labels;
    Strings codes;
    plotter.GetStampDateList(labels, codes);
    plotter.GetFolderOutputBinList(labels, codes);
    plotter.GetPaperSizeList("A", labels, codes);
    EXPECT_TRUE(labels.empty());
    EXPECT_TRUE(codes.empty());
    EXPECT_TRUE(plotter.GetPaperSizeNames().empty());
    EXPECT_EQ(plotter.GetNumStampNumbering(), 12);
    EXPECT_EQ(plotter.GetLongSizeIndex(), 0);
    int lower = -1, upper = -1;
    plotter.GetPenWidthRange(lower, upper);
    EXPECT_EQ(lower, 0);
    EXPECT_EQ(upper, 0);
    EXPECT_TRUE(plotter.HasThreeColors());
}

TEST(CPlotterLoadTest, FileWithoutStampSection)
{
    CTempDir dir;
    CPlotter plotter(dir.Write("caps.ini", "[MediaType]\nMediaType=Plain;PLAIN\n"));
    ASSERT_TRUE(plotter.LoadConfig("ZC"));
    Strings labels;
    Strings codes;
    plotter.GetStampDateList(labels, codes);
    plotter.GetStampRotateList(labels, codes);
    EXPECT_TRUE(labels.empty());
    int xLower = -1, xUpper = -1, yLower = -1, yUpper = -1;
    plotter.GetStampPositionRanges(xLower, xUpper, yLower, yUpper);
    EXPECT_EQ(xLower, 0);
    EXPECT_EQ(xUpper, 0);
    EXPECT_EQ(yLower, 0);
    EXPECT_EQ(yUpper, 0);
    EXPECT_EQ(plotter.GetNumStampNumbering(), 12);
    EXPECT_EQ(MediaCodes(plotter), Strings({"PLAIN"}));
}

TEST(CPlotterLoadTest, LoadedListsDoNotFollowEditsOfTheFile)
{
    CTempDir dir;
    CPlotter plotter(dir.Write("caps.ini", "[MediaType]\nMediaType=Plain;PLAIN\n"));
    ASSERT_TRUE(plotter.LoadConfig("ZC"));
    dir.Write("caps.ini", "[MediaType]\nMediaType=Film;FILM,Tracing;TRACING\n");
    EXPECT_EQ(MediaCodes(plotter), Strings({"PLAIN"}));
}

TEST(CPlotterLoadTest, LoadingAgainReplacesInsteadOfDuplicating)
{
    CTempDir dir;
    CPlotter plotter(dir.Write("caps.ini", "[MediaType]\nMediaType=Plain;PLAIN\n[PaperSizeName]\nStamp=A0\n"
                                           "[Finisher]\nStackBin=Bin 1;1\n"));
    ASSERT_TRUE(plotter.LoadConfig("JP"));
    dir.Write("caps.ini", "[MediaType]\nMediaType=Film;FILM\n[Finisher]\nStackBin=Bin 2;2\n");
    ASSERT_TRUE(plotter.LoadConfig("AP"));
    EXPECT_EQ(MediaCodes(plotter), Strings({"FILM"}));
    EXPECT_TRUE(plotter.GetPaperSizeNames().empty());
    Strings labels;
    Strings codes;
    plotter.GetStackBinList(labels, codes);
    EXPECT_TRUE(codes.empty());
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

TEST(CPlotterLoadTest, SizeListsOfEachGroupAndKindAreApart)
{
    CTempDir dir;
    const CPlotter plotter(dir.Write("caps.ini", "[Scale]\n"
                                                 "A_OutputSize=A0;A0\n"
                                                 "A_PaperSize=A0 roll;A0R\n"
                                                 "ANSI_OutputSize=E;ANSI_E\n"
                                                 "ANSI_PaperSize=34 in;R34\n"
                                                 "[Other]\nB_OutputSize=B0;B0\n"));
    Strings labels;
    Strings codes;
    plotter.GetPaperSizeList("ANSI", labels, codes);
    plotter.GetOutputSizeList("ANSI", labels, codes);
    plotter.GetPaperSizeList("A", labels, codes);
    plotter.GetOutputSizeList("A", labels, codes);
    plotter.GetOutputSizeList("B", labels, codes);
    plotter.GetOutputSizeList("", labels, codes);
    EXPECT_EQ(labels, Strings({"34 in", "E", "A0 roll", "A0"}));
    EXPECT_EQ(codes, Strings({"R34", "ANSI_E", "A0R", "A0"}));
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
}
