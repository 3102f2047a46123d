// Every capability query on well-formed and malformed values, when the file is read, and the
// shipped file (its setting files' values on offer are the settings editor's tests).
#include "CPlotter.h"
#include "CTempDir.h"
#include "CaseNames.h"
#include "TestConfig.h"

#include <gtest/gtest.h>

#include <climits>
#include <functional>
#include <optional>
#include <set>
#include <string>
#include <utility>

namespace {
using Strings = CPlotter::Strings;

// A capability file holding one key (or, with no value, only its section).
std::string CapabilityFile(const std::string& section, const std::string& key, const std::optional<std::string>& value)
{
    std::string text = "[" + section + "]\n";
    if (value)
        text += key + "=" + *value + "\n";
    return text;
}

// Every query is tested with region "JP", under which all keys are read.
CPlotter Loaded(const CTempDir& dir, const std::string& text)
{
    CPlotter plotter(dir.Write("caps.ini", text));
    EXPECT_TRUE(plotter.LoadConfig("JP"));
    return plotter;
}

// ---- Pair lists ----------------------------------------------------------

struct PairQuery {
    const char* section;
    const char* key;
    std::function<void(const CPlotter&, Strings&, Strings&)> get;
};

const PairQuery kPairQueries[] = {
    {"Stamp", "StampDateList", &CPlotter::GetStampDateList},
    {"Stamp", "StampRotate", &CPlotter::GetStampRotateList},
    {"Finisher", "Folder", &CPlotter::GetFolderList},
    {"Finisher", "FolderSize", &CPlotter::GetFolderSizeList},
    {"Finisher", "FolderMargin", &CPlotter::GetFolderMarginList},
    {"Finisher", "Stacker", &CPlotter::GetStackerList},
    {"Finisher", "StackBin", &CPlotter::GetStackBinList},
    {"Finisher", "FolderOutputBin", &CPlotter::GetFolderOutputBinList},
    {"OutputTray", "OutputTray", &CPlotter::GetOutputTrayList},
    {"MediaType", "MediaType", &CPlotter::GetMediaTypeList},
    {"Scale", "InputPaperGroup", &CPlotter::GetInputPaperGroupList},
    {"Scale", "OutputPaperGroup", &CPlotter::GetOutputPaperGroupList},
    {"Scale", "RollPaperGroup", &CPlotter::GetRollPaperGroupList},
    {"Scale", "PaperCut", &CPlotter::GetPaperCutList},
    {"Scale", "A_PaperSize",
     [](const CPlotter& plotter, Strings& labels, Strings& codes) { plotter.GetPaperSizeList("A", labels, codes); }},
    {"Scale", "A_OutputSize",
     [](const CPlotter& plotter, Strings& labels, Strings& codes) { plotter.GetOutputSizeList("A", labels, codes); }},
};

struct PairCase {
    const char* name;
    std::optional<std::string> value;
    Strings labels;
    Strings codes;
};

// One parser reads every list: quotes and blanks around the whole value are
// the profile's, items are kept as they stand.
const PairCase kPairCases[] = {
    {"Pairs", "Plain;PLAIN,Film;FILM", {"Plain", "Film"}, {"PLAIN", "FILM"}},
    {"ItemWithoutSemicolon", "Plain;PLAIN,Film", {"Plain", "Film"}, {"PLAIN", ""}},
    {"ExtraSemicolonParts", "A;1;2;3,B;4;", {"A", "B"}, {"1", "4"}},
    {"EmptyValue", "", {""}, {""}}, {"MissingKey", std::nullopt, {}, {}},
    {"NothingItemEndsList", "Top;TOP,HP-PJL_NOTHING,Rear;REAR", {"Top"}, {"TOP"}},
    {"NothingOnlyAsWholeItem", "HP-PJL_NOTHING;X,Y;HP-PJL_NOTHING", {"HP-PJL_NOTHING", "Y"}, {"X", "HP-PJL_NOTHING"}},
    {"ItemsNotTrimmed", "   A;1 , B ; 2   ", {"A", " B "}, {"1 ", " 2"}},
    {"EmptyLabelAndCode", ";X,A;,", {"", "A", ""}, {"X", "", ""}},
    {"DuplicatesKept", "A;1,A;1", {"A", "A"}, {"1", "1"}},
};

Strings Joined(Strings head, const Strings& tail)
{
    head.insert(head.end(), tail.begin(), tail.end());
    return head;
}

class PairListTest : public testing::TestWithParam<std::tuple<PairQuery, PairCase>> {};

TEST_P(PairListTest, AppendsItemsInFileOrder)
{
    const auto& [query, pairCase] = GetParam();
    CTempDir dir;
    const CPlotter plotter = Loaded(dir, CapabilityFile(query.section, query.key, pairCase.value));
    // What the caller's lists held before stays, however long each was.
    Strings labels = {"kept"}, codes = {"KEPT", "longer"};
    query.get(plotter, labels, codes);
    EXPECT_EQ(labels, Joined({"kept"}, pairCase.labels));
    EXPECT_EQ(codes, Joined({"KEPT", "longer"}, pairCase.codes));
}

// Names a case of a query table crossed with a case table.
const auto kKeyAndCase = [](const auto& info) {
    return std::string(std::get<0>(info.param).key) + "_" + std::get<1>(info.param).name;
};

INSTANTIATE_TEST_SUITE_P(EveryPairList, PairListTest,
                         testing::Combine(testing::ValuesIn(kPairQueries), testing::ValuesIn(kPairCases)),
                         kKeyAndCase);

// ---- Ranges --------------------------------------------------------------

using RangeGetter = std::function<void(const CPlotter&, int&, int&)>;

struct RangeQuery {
    const char* section;
    const char* key;
    RangeGetter get;
};

std::pair<int, int> Range(const CPlotter& plotter, const RangeGetter& get)
{
    std::pair range{-99, -99};
    get(plotter, range.first, range.second);
    return range;
}

const RangeQuery kRangeQueries[] = {
    {"Stamp", "StampNoRange", &CPlotter::GetStampNoRange},
    {"Stamp", "StampXPositionRange",
     [](const CPlotter& p, int& l, int& u) { int y; p.GetStampPositionRanges(l, u, y, y); }},
    {"Stamp", "StampYPositionRange",
     [](const CPlotter& p, int& l, int& u) { int x; p.GetStampPositionRanges(x, x, l, u); }},
    {"HPGLPen", "PenWidthRange", &CPlotter::GetPenWidthRange},
    {"Finisher", "FolderProgramRange", &CPlotter::GetFolderProgramRange},
    {"Finisher", "FolderBinNoRange", &CPlotter::GetFolderBinNoRange},
};

struct RangeCase {
    const char* name;
    std::optional<std::string> value;
    int lower;
    int upper;
};

const RangeCase kRangeCases[] = {
    {"Plain", "1,20", 1, 20}, {"OneItem", "1", 1, 0}, {"MissingKey", std::nullopt, 0, 0}, {"EmptyValue", "", 0, 0},
    {"EmptySecondItem", "7,", 7, 0}, {"Signs", "-5,+7", -5, 7}, {"BlanksBeforeNumbers", " 3,  \t8", 3, 8},
    {"TextAfterNumbers", "12mm,40 mm", 12, 40}, {"TextInsteadOfNumber", "abc,10", 0, 10},
    {"SignWithoutDigits", "-,+", 0, 0}, {"BlankInsideSign", "- 5,5", 0, 5}, {"HexPrefix", "0x10,1", 0, 1},
    {"DecimalPoint", "1.9,2.1", 1, 2}, {"ExtraItemsIgnored", "1,2,3", 1, 2}, {"NothingItem", "HP-PJL_NOTHING,4", 0, 4},
    {"TooLarge", "99999999999,-99999999999", INT_MAX, INT_MIN},
    {"Extremes", "2147483647,-2147483648", INT_MAX, INT_MIN},
};

class RangeTest : public testing::TestWithParam<std::tuple<RangeQuery, RangeCase>> {};

TEST_P(RangeTest, ConvertsLeadingDecimals)
{
    const auto& [query, rangeCase] = GetParam();
    CTempDir dir;
    const CPlotter plotter = Loaded(dir, CapabilityFile(query.section, query.key, rangeCase.value));
    EXPECT_EQ(Range(plotter, query.get), std::pair(rangeCase.lower, rangeCase.upper));
}

INSTANTIATE_TEST_SUITE_P(EveryRange, RangeTest,
                         testing::Combine(testing::ValuesIn(kRangeQueries), testing::ValuesIn(kRangeCases)),
                         kKeyAndCase);

// ---- The name list and the integers --------------------------------------
// Empty, cut and untrimmed names are read as for the pair lists; signs,
// blanks and text around the numbers as for the ranges.

struct ValueCase {
    const char* name;
    std::optional<std::string> value;
    Strings names;
    int numberingLength;
    int longSizeIndex;
};

const ValueCase kValueCases[] = {
    {"Names", "A0,A1,ARCH E", {"A0", "A1", "ARCH E"}, 12, 0},
    {"MissingKey", std::nullopt, {}, 12, 0},
    {"NothingFirst", "HP-PJL_NOTHING,A1", {}, 12, 0},
    {"SemicolonsKept", "A0;X,A1", {"A0;X", "A1"}, 12, 0},
    {"Number", "20", {"20"}, 20, 20},
    {"Zero", "0", {"0"}, 12, 0},
    {"ListTakesFirstNumberOnly", "5,9", {"5", "9"}, 5, 5},
    {"Negative", "-4", {"-4"}, 12, 0},
};

class ValueTest : public testing::TestWithParam<ValueCase> {};

TEST_P(ValueTest, ReadsStampPaperSizeNamesNumberingLengthAndLongSizeIndex)
{
    const ValueCase& c = GetParam();
    CTempDir dir;
    const CPlotter plotter = Loaded(dir, CapabilityFile("PaperSizeName", "Stamp", c.value) +
                                             CapabilityFile("Stamp", "NumStampNumbering", c.value) +
                                             CapabilityFile("Scale", "INDEX_LONGSIZEPSTN", c.value));
    EXPECT_EQ(plotter.GetPaperSizeNames(), c.names);
    EXPECT_EQ(plotter.GetNumStampNumbering(), c.numberingLength);
    EXPECT_EQ(plotter.GetLongSizeIndex(), c.longSizeIndex);
}

INSTANTIATE_TEST_SUITE_P(OneKey, ValueTest, testing::ValuesIn(kValueCases), ByCaseName());

// ---- Loading -------------------------------------------------------------

Strings Codes(const CPlotter& plotter, void (CPlotter::*get)(Strings&, Strings&) const)
{
    Strings labels, codes;
    (plotter.*get)(labels, codes);
    return codes;
}

constexpr auto kOut = CPlotter::SizeKind::Output;
constexpr auto kPaper = CPlotter::SizeKind::Paper;

Strings SizeCodes(const CPlotter& plotter, CPlotter::SizeKind kind, const std::string& group)
{
    Strings labels, codes;
    if (kind == kOut)
        plotter.GetOutputSizeList(group, labels, codes);
    else
        plotter.GetPaperSizeList(group, labels, codes);
    return codes;
}

// The size lists and the long-size index are read at every call, even
// before loading; the other lists change only when loaded again, and are
// then replaced.
TEST(CPlotterLoadTest, SizesAreReadAtEveryCallTheOtherListsOnLoading)
{
    CTempDir dir;
    CPlotter plotter(dir.Write("caps.ini", "[MediaType]\nMediaType=Plain;PLAIN\n[PaperSizeName]\nStamp=A0\n"
                                           "[Finisher]\nStackBin=Bin 1;1\n"
                                           "[Scale]\nA_OutputSize=A0;A0,A1;A1\nINDEX_LONGSIZEPSTN=1\n"));
    EXPECT_EQ(SizeCodes(plotter, kOut, "A"), Strings({"A0", "A1"}));
    EXPECT_EQ(plotter.GetLongSizeIndex(), 1);
    EXPECT_EQ(plotter.GetSizeLabel(kOut, "A", "A2"), "");
    ASSERT_TRUE(plotter.LoadConfig("JP"));

    dir.Write("caps.ini", "[MediaType]\nMediaType=Film;FILM\n[Finisher]\nStackBin=Bin 2;2\n"
                          "[Scale]\nA_OutputSize=A0;A0,A1;A1,A2 long;A2\nINDEX_LONGSIZEPSTN=2\n");
    EXPECT_EQ(SizeCodes(plotter, kOut, "A"), Strings({"A0", "A1", "A2"}));
    EXPECT_EQ(plotter.GetLongSizeIndex(), 2);
    EXPECT_EQ(plotter.GetSizeLabel(kOut, "A", "A2"), "A2 long");
    EXPECT_EQ(Codes(plotter, &CPlotter::GetMediaTypeList), Strings({"PLAIN"}));
    ASSERT_TRUE(plotter.LoadConfig("AP"));
    EXPECT_EQ(Codes(plotter, &CPlotter::GetMediaTypeList), Strings({"FILM"}));
    EXPECT_TRUE(plotter.GetPaperSizeNames().empty());
    EXPECT_TRUE(Codes(plotter, &CPlotter::GetStackBinList).empty());
}

struct SizeLabelCase {
    const char* name;
    CPlotter::SizeKind kind;
    const char* group;
    const char* code;
    const char* label;
};

const SizeLabelCase kSizeLabelCases[] = {
    {"FirstMatchWins", kOut, "A", "X", "Big"}, {"LaterEntry", kOut, "A", "Y", "Other"},
    {"PaperKindReadsPaperSizes", kPaper, "A", "X", "Roll"}, {"OnlyInPaperSizes", kPaper, "A", "Z", "Sheet"},
    {"OnlyInOutputSizes", kPaper, "A", "Y", ""}, {"CodeNotListed", kOut, "A", "Q", ""},
    {"CodesAreCaseSensitive", kOut, "A", "x", ""}, {"CodesAreNotTrimmed", kOut, "A", " X", ""},
    {"ItemWithoutCodeHasEmptyCode", kOut, "A", "", "Bare"}, {"MissingGroup", kOut, "B", "X", ""},
    {"GroupNamesAreExact", kOut, "A ", "X", ""},
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

INSTANTIATE_TEST_SUITE_P(Sizes, SizeLabelTest, testing::ValuesIn(kSizeLabelCases), ByCaseName());

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
    EXPECT_EQ(Range(plotter, &CPlotter::GetFolderProgramRange), fold ? std::pair(1, 50) : std::pair(0, 0));
    EXPECT_EQ(Range(plotter, &CPlotter::GetFolderBinNoRange), fold ? std::pair(2, 10) : std::pair(0, 0));
    EXPECT_EQ(Codes(plotter, &CPlotter::GetStackerList), Strings({"STACK"}));
    EXPECT_EQ(Codes(plotter, &CPlotter::GetFolderMarginList), Strings({"0"}));
}

INSTANTIATE_TEST_SUITE_P(Regions, CPlotterRegionTest, testing::ValuesIn(kRegions), [](const auto& info) {
    return TestNameOf("Region_" + std::string(info.param.region)) + "_" + std::to_string(info.index);
});
// ---- The shipped file ----------------------------------------------------

const std::string kShippedFolder = std::string(test_config::kSourceDir) + "PrinterSetting/";

TEST(CPlotterShippedTest, IsInstalledBesideTheProgramAndInTheFallbackFolder)
{
    const std::string shipped = ReadFileBytes(kShippedFolder + "PJLConfig.txt");
    ASSERT_FALSE(shipped.empty());
    EXPECT_EQ(ReadFileBytes(std::string(test_config::kProgramDir) + "PrinterSetting/PJLConfig.txt"), shipped);
    EXPECT_EQ(ReadFileBytes(std::string(test_config::kDataDir) + "PJLConfig.txt"), shipped);
}

// Each entry shows as a choice of its own, none of them blank.
bool AreDistinctChoices(const Strings& list)
{
    const std::set<std::string> distinct(list.begin(), list.end());
    return !list.empty() && !distinct.contains("") && distinct.size() == list.size();
}

// The scale and paper grids have fifteen rows; long sizes follow the
// standard sizes in every group. Region "JP" reads every list of the file.
TEST(CPlotterShippedTest, OffersDistinctChoicesSizesForEveryGroupAndRanges)
{
    CPlotter plotter(kShippedFolder + "PJLConfig.txt");
    ASSERT_TRUE(plotter.LoadConfig("JP"));
    std::set<std::string> groups;
    for (const PairQuery& query : kPairQueries) {
        if (std::string(query.key).find('_') != std::string::npos)
            continue;  // the size lists of one group, below for every group
        Strings labels, codes;
        query.get(plotter, labels, codes);
        EXPECT_TRUE(AreDistinctChoices(labels)) << query.key;
        EXPECT_TRUE(AreDistinctChoices(codes)) << query.key;
        if (std::string(query.key).ends_with("PaperGroup"))
            groups.insert(codes.begin(), codes.end());
    }
    for (const auto& group : groups) {
        for (const auto kind : {kOut, kPaper}) {
            EXPECT_TRUE(AreDistinctChoices(SizeCodes(plotter, kind, group))) << group;
            EXPECT_LE(SizeCodes(plotter, kind, group).size(), 15u) << group;
        }
        EXPECT_LT(plotter.GetLongSizeIndex(), std::ssize(SizeCodes(plotter, kOut, group)));
    }
    EXPECT_EQ(groups.size(), 3u);
    EXPECT_GT(plotter.GetLongSizeIndex(), 0);
    for (const RangeQuery& query : kRangeQueries) {
        const auto [lower, upper] = Range(plotter, query.get);
        EXPECT_TRUE(lower >= 0 && lower < upper) << query.key;
    }
    EXPECT_TRUE(AreDistinctChoices(plotter.GetPaperSizeNames()));
    EXPECT_LE(plotter.GetPaperSizeNames().size(), 15u);
    EXPECT_EQ(plotter.GetNumStampNumbering(), 12);
}
}
