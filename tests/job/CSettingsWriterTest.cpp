#include "CProfile.h"
#include "CSettingsWriter.h"
#include "CTempDir.h"
#include "CaseNames.h"
#include "TestConfig.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

namespace {
using Lines = std::vector<std::string>;

// full.prn holds a distinct value in every key; full-others-zc.pjl is the
// block that the general writer makes of it for region ZC.
const std::string kSettingsFolder = std::string(test_config::kTestDataDir) + "settings/";

std::string JoinLines(const Lines& lines)
{
    std::string block;
    for (const auto& line : lines)
        block += line + '\n';
    return block;
}

std::string Pjl(const std::string& name, const std::string& value)
{
    return "@PJL DEFAULT " + name + " = " + value;
}

Lines::iterator FindLine(Lines& lines, const std::string& name)
{
    const std::string start = "@PJL DEFAULT " + name + " = ";
    return std::find_if(lines.begin(), lines.end(), [&](const std::string& line) { return line.rfind(start, 0) == 0; });
}

// Replaces count lines, from the line of the named setting on; a failed
// writer stops right after the replacement.
Lines Edited(Lines lines, const std::string& first, std::size_t count, const Lines& with, bool complete = true)
{
    auto at = FindLine(lines, first);
    EXPECT_NE(at, lines.end()) << first;
    if (at == lines.end())
        return lines;
    at = lines.erase(at, at + static_cast<std::ptrdiff_t>(count));
    at = lines.insert(at, with.begin(), with.end()) + static_cast<std::ptrdiff_t>(with.size());
    if (!complete)
        lines.erase(at, lines.end());
    return lines;
}

const Lines kGeneralStacking = {
    Pjl("FOLDMARGIN", "25"), Pjl("BALER", "ON"),        Pjl("STACKER", "SORT"), Pjl("STACKBIN", "BIN12"),
    Pjl("FOLDER", "CROSS1"), Pjl("FOLDROTATE", "ON"),   Pjl("FOLDSIZE", "A4"),  Pjl("FOLDCORNER", "OFF"),
};
const Lines kFinishPlain = {
    Pjl("FINISHMARGINS", "25"), Pjl("FINISHPROGID", "PROGRAM12"), Pjl("FINISHBIN", "BIN_3"),
};
const Lines kFinishStacking = {
    Pjl("FINISHMARGINS", "25"),     Pjl("FINISHBALE", "ON"),
    Pjl("FINISHSTACKMODE", "SORT"), Pjl("FINISHBIN", "BIN_12"),
    Pjl("FINISHPROGID", "CROSS"),   Pjl("FINISHCROSSFOLD", "CROSSFOLDON"),
    Pjl("FINISHROTATE", "ON"),      Pjl("FINISHSIZE", "A4"),
    Pjl("FINISHCORNER", "OFF"),
};

// The block each writer makes of full.prn: the golden block with the rows
// in which the writers differ exchanged.
Lines ExpectedBlock(const std::string& controller, const std::string& region)
{
    Lines lines = SplitLines(ReadFileBytes(kSettingsFolder + "full-others-zc.pjl"));
    const bool stacking = region == "JP" || region == "AP" || region == "CL";
    if (controller != "Heron" && controller != "Corvid2nd")
        return stacking ? Edited(lines, "FINISHMARGINS", 3, kGeneralStacking) : lines;

    lines = Edited(lines, "VDRAWCOLOR_W", 16, {});
    for (auto& line : lines)
        for (auto at = line.find("MITTER"); at != std::string::npos; at = line.find("MITTER", at))
            line.replace(at, 6, "MITER");
    if (controller == "Heron")
        return Edited(lines, "FINISHMARGINS", 3, {});
    return Edited(lines, "FINISHMARGINS", 3, stacking ? kFinishStacking : kFinishPlain);
}

TEST(CSettingsWriterTest, MissingFileFailsBeforeWritingAnything)
{
    CTempDir dir;
    for (const char* controller : {"Others", "Heron", "Corvid2nd"}) {
        std::ostringstream block;
        EXPECT_FALSE(CSettingsWriter::WriteForController(block, dir.File("gone.prn"), "ZC", controller));
        EXPECT_EQ(block.str(), "");
    }
}

// Specific rows: full.prn with a few keys changed (a key without value
// deletes it; an empty key deletes the section), and the lines that then
// take the place of the golden ones.
struct Change {
    std::string section;
    std::string key;
    std::optional<std::string> value;
};

struct RowCase {
    std::string name;
    std::string region;
    std::vector<Change> changes;
    std::string first;
    std::size_t count;
    Lines lines;
    bool ok = true;
    std::string controller = {};
};

std::vector<RowCase> WithController(const std::string& controller, std::vector<RowCase> rows)
{
    for (RowCase& row : rows)
        row.controller = controller;
    return rows;
}

void PrintTo(const RowCase& rowCase, std::ostream* out)
{
    *out << rowCase.name;
}

class CSettingsWriterRowTest : public testing::TestWithParam<RowCase> {};

TEST_P(CSettingsWriterRowTest, WritesTheChangedRows)
{
    const auto& param = GetParam();
    CTempDir dir;
    const std::string path = dir.Write("settings.prn", ReadFileBytes(kSettingsFolder + "full.prn"));
    CProfile profile;
    profile.Open(path);
    for (const auto& change : param.changes) {
        if (change.key.empty())
            ASSERT_TRUE(profile.DeleteSection(change.section));
        else if (!change.value)
            ASSERT_TRUE(profile.DeleteKey(change.section, change.key));
        else
            ASSERT_TRUE(profile.WriteString(change.section, change.key, *change.value));
    }

    std::ostringstream block;
    EXPECT_EQ(CSettingsWriter::WriteForController(block, path, param.region, param.controller), param.ok);
    const Lines base = ExpectedBlock(param.controller, param.region);
    EXPECT_EQ(block.str(), JoinLines(Edited(base, param.first, param.count, param.lines, param.ok)));
}

std::vector<Change> Deleted(const std::string& section, std::initializer_list<const char*> keys)
{
    std::vector<Change> changes;
    for (const char* key : keys)
        changes.push_back({section, key, std::nullopt});
    return changes;
}

const std::vector<RowCase> kGeneralRows = WithController("Others", {
    {"LastPaperSizeMissing", "ZC", {{"PaperSize", "Paper15Size", {}}}, "PAPER15SIZE", 1, {}, false},
    {"FifthPenMissing", "ZC", {{"HPGLPen", "Pen5", {}}}, "PEN5WIDTH", 0, {}, false},
    {"PenWithoutColourField", "ZC", {{"HPGLPen", "Pen7", "17,ROUND,BEVEL"}}, "PEN7WIDTH", 4, {Pjl("PEN7WIDTH", "17"),
     Pjl("PEN7ENDSTYLE", "ROUND"), Pjl("PEN7JOINTSTYLE", "BEVEL"), Pjl("PEN7COLOR", "HP-PJL_NOTHING")}},
    {"PenBeyondThirtyTwoIgnored", "ZC", {{"HPGLPen", "Pen33", "99,ROUND,ROUND,RED"}}, "PEN1WIDTH", 0, {}},
    {"PenWidthChangeMissing", "ZC", {{"HPGLPen", "PenWidthChange", {}}}, "PENWIDTHCHANGE", 0, {}, false},
    {"RasterDrawingColourMissing", "ZC", {{"Color", "RasterDrawingColorCyan", {}}}, "RDRAWCOLOR_C", 0, {}, false},
    {"StampOffReadsNoStampKey", "ZC", {{"Stamp", "", {}}, {"Stamp", "StampID", "OFF"}}, "STAMPID", 49,
     {Pjl("STAMPID", "OFF")}},
    {"StampIdMissing", "ZC", {{"Stamp", "StampID", {}}}, "STAMPID", 0, {}, false},
    {"UserNumbering", "ZC", {{"Stamp", "StampNumbering", "USER"}, {"Stamp", "StampNumberingString", "AB12"}},
     "STAMPLABEL", 1, {Pjl("STAMPLABEL", "\"AB12\"")}},
    {"UserNumberingWithoutText", "ZC", {{"Stamp", "StampNumbering", "USER"}, {"Stamp", "StampNumberingString", {}}},
     "STAMPLABEL", 1, {Pjl("STAMPLABEL", "\"HP-PJL_NOTHING\"")}},
    {"NumberingMissing", "ZC", {{"Stamp", "StampNumbering", {}}}, "STAMPLABEL", 0, {}, false},
    {"StampColourMissing", "ZC", {{"Stamp", "StampColor", {}}}, "STAMPCOLOR", 0, {}, false},
    {"ThirdPositionWithoutRotation", "ZC", {{"Stamp", "StampPositionXYRotate3", "30,15"}}, "STAMP3LOCX", 0, {}, false},
    {"PositionMissing", "ZC", {{"Stamp", "StampPositionXYRotate15", {}}}, "STAMP15LOCX", 0, {}, false},
    {"PositionWithEmptyField", "ZC", {{"Stamp", "StampPositionXYRotate5", "5,,90"}}, "STAMP5LOCX", 3,
     {Pjl("STAMP5LOCX", "5"), Pjl("STAMP5LOCY", ""), Pjl("STAMP5ROTATE", "90")}},
    {"LabelLocationMissing", "ZC", {{"Label", "LabelLocation", {}}}, "LABELLOC", 0, {}, false},
    {"ProgramOff", "ZC", {{"Finisher", "FolderProgramRange", "OFF"}}, "FINISHPROGID", 1,
     {Pjl("FINISHPROGID", "BYPASS")}},
    {"ProgramMissing", "ZC", {{"Finisher", "FolderProgramRange", {}}}, "FINISHPROGID", 0, {}, false},
    {"MarginZeroKept", "ZC", {{"Finisher", "FolderMargin", "0"}}, "FINISHMARGINS", 1, {Pjl("FINISHMARGINS", "0")}},
    {"MarginMissing", "ZC", {{"Finisher", "FolderMargin", {}}}, "FINISHMARGINS", 0, {}, false},
    {"OutputBinUnchanged", "ZC", {{"Finisher", "FolderOutputBin", "FOLDTRAY"}}, "FINISHBIN", 1,
     {Pjl("FINISHBIN", "FOLDTRAY")}},
    {"SelectBinWithoutNumber", "ZC", {{"Finisher", "FolderBinNoRange", {}}}, "FINISHBIN", 1,
     {Pjl("FINISHBIN", "BINHP-PJL_NOTHING")}},
    {"OutputBinMissing", "ZC", {{"Finisher", "FolderOutputBin", {}}}, "FINISHBIN", 0, {}, false},
    {"StackingKeysUnreadOutsideStackingRegions", "ZC",
     Deleted("Finisher", {"Baler", "Stacker", "StackBin", "Folder", "FolderRotate", "FolderSize", "FolderCornerFold"}),
     "FINISHMARGINS", 0, {}},
    {"OutputModeMissing", "ZC", {{"Input/Output Mode", "OutputMode", {}}}, "OUTPUTMODE", 0, {}, false},
    {"FirstOutputSizeMissing", "ZC", {{"OutputSize", "Output1Size", {}}}, "OUTPUT1SIZE", 0, {}, false},

    {"StackToBinTwo", "JP", {{"Finisher", "Stacker", "STACK"}, {"Finisher", "StackBin", "2"}}, "STACKER", 2,
     {Pjl("STACKER", "STACK"), Pjl("STACKER", "BIN2"), Pjl("STACKBIN", "BIN3")}},
    {"SortToBinTwoHasNoSecondStackerLine", "CL", {{"Finisher", "StackBin", "2"}}, "STACKER", 2,
     {Pjl("STACKER", "SORT"), Pjl("STACKBIN", "BIN3")}},
    {"StackToTopTray", "JP", {{"Finisher", "Stacker", "STACK"}, {"Finisher", "StackBin", "TOPTRAY"}}, "STACKER", 2,
     {Pjl("STACKER", "STACK"), Pjl("STACKBIN", "TOPTRAY")}},
    {"SortToFanfold", "JP", {{"Finisher", "StackBin", "FANFOLD"}}, "STACKBIN", 1, {Pjl("STACKBIN", "FANFOLD")}},
    {"SortToBypass", "JP", {{"Finisher", "StackBin", "BYPASS"}}, "STACKBIN", 1, {Pjl("STACKBIN", "BYPASS")}},
    {"SortToBinZero", "JP", {{"Finisher", "StackBin", "0"}}, "STACKBIN", 1, {Pjl("STACKBIN", "BIN1")}},
    {"SortToBinNine", "JP", {{"Finisher", "StackBin", "9x"}}, "STACKBIN", 1, {Pjl("STACKBIN", "BIN10")}},
    {"SortToBinA", "JP", {{"Finisher", "StackBin", "A"}}, "STACKBIN", 1, {Pjl("STACKBIN", "BIN11")}},
    {"SortToBinD", "JP", {{"Finisher", "StackBin", "D"}}, "STACKBIN", 1, {Pjl("STACKBIN", "BIN14")}},
    {"SortToBinEIsOutsideTheTable", "JP", {{"Finisher", "StackBin", "E"}}, "STACKBIN", 0, {}, false},
    {"SortToLowerCaseBin", "JP", {{"Finisher", "StackBin", "a"}}, "STACKBIN", 0, {}, false},
    {"SortToEmptyBin", "JP", {{"Finisher", "StackBin", ""}}, "STACKBIN", 0, {}, false},
    {"SortWithoutBin", "JP", {{"Finisher", "StackBin", {}}}, "STACKBIN", 0, {}, false},
    {"StackWithoutBin", "JP", {{"Finisher", "Stacker", "STACK"}, {"Finisher", "StackBin", {}}}, "STACKER", 1,
     {Pjl("STACKER", "STACK")}, false},
    {"StackerOffNeedsNoBin", "JP", {{"Finisher", "Stacker", "OFF"}, {"Finisher", "StackBin", {}}}, "STACKER", 2,
     {Pjl("STACKER", "OFF")}},
    {"OtherStackerWritesNoBin", "JP", {{"Finisher", "Stacker", "MIX"}, {"Finisher", "StackBin", "2"}}, "STACKER", 2,
     {Pjl("STACKER", "MIX")}},
    {"StackerMissing", "JP", {{"Finisher", "Stacker", {}}}, "STACKER", 0, {}, false},
    {"BalerMissing", "JP", {{"Finisher", "Baler", {}}}, "BALER", 0, {}, false},
    {"FolderMissing", "JP", {{"Finisher", "Folder", {}}}, "FOLDER", 0, {}, false},
    {"CornerFoldMissing", "JP", {{"Finisher", "FolderCornerFold", {}}}, "FOLDCORNER", 0, {}, false},
    {"FoldProgramKeysUnreadInStackingRegions", "JP",
     Deleted("Finisher", {"FolderProgramRange", "FolderOutputBin", "FolderBinNoRange"}), "FOLDMARGIN", 0, {}},
});

const std::vector<RowCase> kHeronRows = WithController("Heron", {
    {"HeronReadsNoFinisherKey", "JP", {{"Finisher", "", {}}}, "INPUTMODE", 0, {}},
    {"HeronStillNeedsStampKeys", "ZC", {{"Stamp", "StampDate", {}}}, "STAMPDATE", 0, {}, false},
});

const std::vector<RowCase> kCorvidRows = WithController("Corvid2nd", {
    {"Corvid2ndNeedsNoDrawingColours", "ZC", {{"Color", "", {}}, {"Color", "RasterColor", "RED"}}, "INPUTMODE", 0, {}},
    {"MitterInEveryField", "ZC", {{"HPGLPen", "Pen1", "11,MITTER,MITTERMITTER,BLACK"}}, "PEN1ENDSTYLE", 2,
     {Pjl("PEN1ENDSTYLE", "MITER"), Pjl("PEN1JOINTSTYLE", "MITERMITER")}},
    {"MarginsOffProgramOffNumberedBin", "ZC",
     {{"Finisher", "FolderMargin", "0"}, {"Finisher", "FolderProgramRange", "OFF"}}, "FINISHMARGINS", 3,
     {Pjl("FINISHMARGINS", "MARGINSOFF"), Pjl("FINISHPROGID", "BYPASS"), Pjl("FINISHBIN", "BIN_3")}},
    {"FinishMarginMissing", "ZC", {{"Finisher", "FolderMargin", {}}}, "FINISHMARGINS", 0, {}, false},
    {"FinishStackingKeysUnreadOutsideStackingRegions", "ZC",
     Deleted("Finisher", {"Baler", "Stacker", "StackBin", "Folder", "FolderRotate", "FolderSize", "FolderCornerFold"}),
     "FINISHMARGINS", 0, {}},
    {"SortToTopTrayIsBypass", "JP", {{"Finisher", "StackBin", "TOPTRAY"}}, "FINISHSTACKMODE", 2,
     {Pjl("FINISHSTACKMODE", "SORT"), Pjl("FINISHBIN", "BYPASS")}},
    {"StackToBinTwoHasNoSecondStackerLine", "AP", {{"Finisher", "Stacker", "STACK"}, {"Finisher", "StackBin", "2"}},
     "FINISHSTACKMODE", 2, {Pjl("FINISHSTACKMODE", "STACK"), Pjl("FINISHBIN", "BIN_3")}},
    {"FinishSortToBinD", "CL", {{"Finisher", "StackBin", "D"}}, "FINISHBIN", 1, {Pjl("FINISHBIN", "BIN_14")}},
    {"FinishSortToFanfoldIsOutsideTheTable", "JP", {{"Finisher", "StackBin", "FANFOLD"}}, "FINISHBIN", 0, {}, false},
    {"FinishSortWithoutBin", "JP", {{"Finisher", "StackBin", {}}}, "FINISHBIN", 0, {}, false},
    {"FinishStackerOffNeedsNoBin", "JP", {{"Finisher", "Stacker", "OFF"}, {"Finisher", "StackBin", {}}},
     "FINISHSTACKMODE", 2, {Pjl("FINISHSTACKMODE", "OFF")}},
    {"FinishFolderMissing", "JP", {{"Finisher", "Folder", {}}}, "FINISHPROGID", 0, {}, false},
    {"FinishFoldProgramKeysUnreadInStackingRegions", "JP",
     Deleted("Finisher", {"FolderProgramRange", "FolderOutputBin", "FolderBinNoRange"}), "FINISHMARGINS", 0, {}},
});

// full.prn as it is: the whole block for every controller name and region;
// only Heron and Corvid2nd, spelt exactly so, take the finish writer.
std::vector<RowCase> UnchangedRows()
{
    std::vector<RowCase> rows;
    for (const char* controller :
         {"", "Others", "heron", "HERON", " Heron", "Corvid2", "Corvid2nd ", "Heron", "Corvid2nd"})
        for (const char* region : {"ZC", "JP", "AP", "CL", "jp", ""})
            rows.push_back({"Unchanged" + std::to_string(rows.size()), region, {}, "PEN1WIDTH", 0, {}, true,
                            controller});
    return rows;
}

// Fold program names of the finish writer, with the cross-fold line: each program
// of its table once, and names it passes on as they are.
std::vector<RowCase> FoldProgramRows()
{
    const std::tuple<const char*, const char*, const char*> programs[] = {
        {"UNFOLD", "BYPASS", "CROSSFOLDOFF"}, {"FAN1", "FAN", "CROSSFOLDON"},     {"CROSS2", "CROSS", "CROSSFOLDOFF"},
        {"OTHER1", "SD1", "CROSSFOLDON"},     {"170mm2", "170mm", "CROSSFOLDOFF"}, {"FOLD", "FOLD", "CROSSFOLDOFF"},
        {"cross1", "cross1", "CROSSFOLDOFF"},
    };
    std::vector<RowCase> rows;
    for (const auto& [folder, program, crossFold] : programs)
        rows.push_back({TestNameOf(std::string("Folder_") + folder), "JP", {{"Finisher", "Folder", folder}},
                        "FINISHPROGID", 2, {Pjl("FINISHPROGID", program), Pjl("FINISHCROSSFOLD", crossFold)}, true,
                        "Corvid2nd"});
    return rows;
}

INSTANTIATE_TEST_SUITE_P(Unchanged, CSettingsWriterRowTest, testing::ValuesIn(UnchangedRows()), ByCaseName());
INSTANTIATE_TEST_SUITE_P(General, CSettingsWriterRowTest, testing::ValuesIn(kGeneralRows), ByCaseName());
INSTANTIATE_TEST_SUITE_P(Heron, CSettingsWriterRowTest, testing::ValuesIn(kHeronRows), ByCaseName());
INSTANTIATE_TEST_SUITE_P(Corvid2nd, CSettingsWriterRowTest, testing::ValuesIn(kCorvidRows), ByCaseName());
INSTANTIATE_TEST_SUITE_P(FoldPrograms, CSettingsWriterRowTest, testing::ValuesIn(FoldProgramRows()), ByCaseName());
}
