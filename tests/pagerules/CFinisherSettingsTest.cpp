// The finisher page's rules for each region: a file read, the user's changes, then the whole file saved.
#include "CFinisherSettings.h"
#include "CPageRulesFixture.h"
#include "CaseNames.h"

#include <gtest/gtest.h>

namespace {
using Control = CFinisherSettings::Control;
using Status = SettingEdit::Status;

const std::string kCapabilities =
    "[Finisher]\nFolder=No folding;UNFOLD,Fan fold;FAN1,Cross fold;CROSS1\nFolderSize=A4;A4,Letter;LETTER\n"
    "FolderMargin=None;0,20 mm;20\nStacker=Off;OFF,Stack;STACK,Sort;SORT,Mixed;MIX,By size;SIZE\n"
    "StackBin=Top tray;TOPTRAY,Bin 1;BIN1,Bin 2;BIN2,Bin 3;2\nFolderProgramRange=1,50\nFolderBinNoRange=1,10\n"
    "FolderOutputBin=Bypass;BYPASS,Standard;STANDARD,Select bin;SELECTBIN\n";

// Section "Finisher" with the keys given one a line.
std::string Finisher(const std::string& keys, const char* lineEnd)
{
    std::string file = std::string("[Finisher]") + lineEnd;
    for (const std::string& line : SplitLines(keys))
        file += line + lineEnd;
    return file;
}

struct FinisherCase {
    const char* name;
    const char* region;
    std::string file;   // keys of the current file
    std::string saved;  // keys of the saved file, in file order
    std::vector<Control> disabled = {};  // in the order of Control
    std::vector<EditStep> edits = {};  // of section "Finisher"
    const char* program = "";  // the program number the ZC page shows
    bool shown = true;         // a page never shown copies its keys through
    std::string lines = {};    // the lines, when given
};

const std::string kJpFallbacks = "Folder=UNFOLD\nFolderRotate=OFF\nFolderSize=A4\nFolderMargin=0\n"
                                 "FolderCornerFold=OFF\nStacker=OFF\nStackBin=BIN1\nBaler=OFF";
const std::string kEveryJpKey = "Baler=ON\nStackBin=2\nStacker=STACK\nFolderCornerFold=ON\nFolderMargin=20\n"
                                "FolderSize=LETTER\nFolderRotate=ON\nFolder=CROSS1\nFolderProgramRange=3";
const std::string kEveryJpKeySaved = "Folder=CROSS1\nFolderRotate=ON\nFolderSize=LETTER\nFolderMargin=20\n"
                                     "FolderCornerFold=ON\nStacker=STACK\nStackBin=2\nBaler=ON";
const std::string kZcKeys = "FolderProgramRange=12\nFolderMargin=20\nFolderOutputBin=SELECTBIN\nFolderBinNoRange=3";

const FinisherCase kCases[] = {
    {"JpEmptyFileTakesFallbacks", "JP", "", kJpFallbacks, {Control::Fold}},
    {"JpReadsEveryKeyAndSavesInOrderRefusingValuesNotOnOffer", "JP", kEveryJpKey, kEveryJpKeySaved, {Control::Fold},
     {{"Folder=Fan fold", Status::BadValue, {"UNFOLD", "FAN1", "CROSS1", "FOLD"}},
      {"Baler=on", Status::BadValue, {"ON", "OFF"}},
      {"StackBin=3", Status::BadValue, {"TOPTRAY", "BIN1", "BIN2", "2"}},
      {"FolderProgramRange=OFF", Status::UnknownKey}}},
    {"OlderStackerHoldsTheBin", "JP", "Stacker=BIN2\nStackBin=TOPTRAY",
     "Folder=UNFOLD\nFolderRotate=OFF\nFolderSize=A4\nFolderMargin=0\nFolderCornerFold=OFF\nStacker=STACK\n"
     "StackBin=BIN2\nBaler=OFF",
     {Control::Fold}},
    {"UnknownStackerShowsBinOne", "JP", "Stacker=BIN3\nStackBin=2", kJpFallbacks, {Control::Fold}},
    {"MixedStackerDisablesTheStillSavedBin", "JP", "Stacker=MIX\nStackBin=2\nFolder=UNFOLD",
     "Folder=UNFOLD\nFolderRotate=OFF\nFolderSize=A4\nFolderMargin=0\nFolderCornerFold=OFF\nStacker=MIX\n"
     "StackBin=2\nBaler=OFF",
     {Control::StackBin}},
    // The lines show "Folder" once, with the value the fold check gives it, and a list's value with its label.
    {"FoldCheckDisablesTheProgram", "JP", "Folder=FOLD\nStacker=SORT\nStackBin=BIN2",
     "FolderRotate=OFF\nFolderSize=A4\nFolderMargin=0\nFolderCornerFold=OFF\nStacker=SORT\nStackBin=BIN2\n"
     "Folder=FOLD\nBaler=OFF",
     {Control::FoldProgram}, {}, "", true,
     "Folder=FOLD;FolderRotate=OFF;FolderSize=A4 (A4);FolderMargin=0 (None);FolderCornerFold=OFF;"
     "Stacker=SORT (Sort);StackBin=BIN2 (Bin 2);Baler=OFF;"},
    {"FoldCheckClearedWritesTheProgram", "JP", "Folder=FOLD", kJpFallbacks, {}, {{"Folder=UNFOLD"}}},
    {"FoldProgramDisablesTheCheck", "JP", "Folder=UNFOLD",
     "Folder=FAN1\nFolderRotate=OFF\nFolderSize=A4\nFolderMargin=0\nFolderCornerFold=OFF\nStacker=OFF\n"
     "StackBin=BIN1\nBaler=OFF",
     {Control::Fold}, {{"Folder=FAN1"}}},
    {"FoldReachedThroughUnfold", "JP", "Folder=CROSS1",
     "FolderRotate=OFF\nFolderSize=A4\nFolderMargin=0\nFolderCornerFold=OFF\nStacker=SIZE\nStackBin=BIN1\n"
     "Folder=FOLD\nBaler=OFF",
     {Control::FoldProgram, Control::StackBin}, {{"Folder=FOLD"}, {"Stacker=SIZE"}}},
    {"ApStackerOlderFormAndEdits", "AP", "Stacker=BIN1\nStackBin=2\nFolder=FOLD",
     "Folder=FAN1\nFolderRotate=ON\nFolderSize=A4\nFolderMargin=0\nFolderCornerFold=OFF\nStacker=STACK\n"
     "StackBin=BIN1\nBaler=OFF",
     {},
     {{"Folder=FAN1"}, {"FolderRotate=ON"}, {"Folder=FOLD", Status::BadValue, {"UNFOLD", "FAN1", "CROSS1"}},
      {"StackBin=BIN1", Status::UnknownKey}}},
    // The AP and CL pages have no stack bin control; the file's bin stays, for their writers need it.
    {"ClReadsEveryKeyAndKeepsTheStackBin", "CL", kEveryJpKey, kEveryJpKeySaved},
    {"ApSortKeepsTheStackBin", "AP", "Stacker=SORT\nStackBin=BIN2",
     "Folder=UNFOLD\nFolderRotate=OFF\nFolderSize=A4\nFolderMargin=0\nFolderCornerFold=OFF\nStacker=SORT\n"
     "StackBin=BIN2\nBaler=OFF",
     {}, {}, "", true,
     "Folder=UNFOLD (No folding);FolderRotate=OFF;FolderSize=A4 (A4);FolderMargin=0 (None);FolderCornerFold=OFF;"
     "Stacker=SORT (Sort);StackBin=BIN2;Baler=OFF;"},
    {"ApWithoutStackBinWritesNone", "AP", "Stacker=STACK",
     "Folder=UNFOLD\nFolderRotate=OFF\nFolderSize=A4\nFolderMargin=0\nFolderCornerFold=OFF\nStacker=STACK\n"
     "Baler=OFF"},
    {"ClNeverShownCopiesTheStackBin", "CL", "Baler=ON\nStackBin=TOPTRAY\nStacker=SORT",
     "Folder=HP-PJL_NOTHING\nFolderRotate=HP-PJL_NOTHING\nFolderSize=HP-PJL_NOTHING\nFolderMargin=HP-PJL_NOTHING\n"
     "FolderCornerFold=HP-PJL_NOTHING\nStacker=SORT\nStackBin=TOPTRAY\nBaler=ON",
     {}, {}, "", false},
    {"ZcProgramMissingIsOff", "ZC", "",
     "FolderProgramRange=OFF\nFolderMargin=0\nFolderOutputBin=BYPASS\nFolderBinNoRange=1",
     {Control::Margin, Control::OutputBin, Control::ProgramNumber, Control::BinNumber}, {}, "1"},
    {"ZcProgramAboveTheBoundIsOff", "ZC", "FolderProgramRange=51\nFolderOutputBin=SELECTBIN\nFolderBinNoRange=11",
     "FolderProgramRange=OFF\nFolderMargin=0\nFolderOutputBin=SELECTBIN\nFolderBinNoRange=1",
     {Control::Margin, Control::OutputBin, Control::ProgramNumber, Control::BinNumber}, {}, "1"},
    {"ZcSelectBinEnablesTheBinNumber", "ZC", kZcKeys, kZcKeys, {}, {}, "12"},
    {"ZcOtherBinDisablesTheBinNumber", "ZC", kZcKeys,
     "FolderProgramRange=12\nFolderMargin=20\nFolderOutputBin=STANDARD\nFolderBinNoRange=3",
     {Control::BinNumber}, {{"FolderOutputBin=STANDARD"}}, "12"},
    {"OtherRegionHasTheZcPage", "FR", "FolderProgramRange=OFF\nFolderBinNoRange=4",
     "FolderProgramRange=7\nFolderMargin=0\nFolderOutputBin=BYPASS\nFolderBinNoRange=10",
     {Control::BinNumber},
     {{"FolderProgramRange=51", Status::BadValue, {"OFF", "1..50"}},
      {"FolderProgramRange=7"},
      {"FolderBinNoRange=x", Status::BadValue, {"1..10"}},
      {"FolderBinNoRange=10"},
      {"FolderOutputBin=Bypass", Status::BadValue, {"BYPASS", "STANDARD", "SELECTBIN"}},
      {"Folder=FAN1", Status::UnknownKey}},
     "7"},
    {"JpCopiesItsKeys", "JP", kEveryJpKey, kEveryJpKeySaved, {}, {}, "", false},
    {"ApCopiesItsKeysMissingOnesAsNothing", "AP", "Folder=FAN1",
     "Folder=FAN1\nFolderRotate=HP-PJL_NOTHING\nFolderSize=HP-PJL_NOTHING\nFolderMargin=HP-PJL_NOTHING\n"
     "FolderCornerFold=HP-PJL_NOTHING\nStacker=HP-PJL_NOTHING\nBaler=HP-PJL_NOTHING",
     {}, {}, "", false},
    {"OtherRegionCopiesTheZcKeys", "US", "FolderBinNoRange=55\nBaler=ON",
     "FolderProgramRange=HP-PJL_NOTHING\nFolderMargin=HP-PJL_NOTHING\nFolderOutputBin=HP-PJL_NOTHING\n"
     "FolderBinNoRange=55",
     {}, {}, "", false},
};

class CFinisherSettingsTest : public CPageRulesFixture, public testing::TestWithParam<FinisherCase> {
protected:
    CFinisherSettingsTest() : CPageRulesFixture(kCapabilities, GetParam().region) {}
};

TEST_P(CFinisherSettingsTest, SavesWholeFile)
{
    CFinisherSettings page(m_plotter, GetParam().region);
    Current(Finisher(GetParam().file, "\n"));
    if (GetParam().shown)
        page.Load(m_current);
    ExpectEdits(page, GetParam().edits, "Finisher");
    std::vector<Control> disabled;
    for (int at = 0; at <= static_cast<int>(Control::BinNumber); ++at)
        if (page.Has(static_cast<Control>(at)) && !page.IsEnabled(static_cast<Control>(at)))
            disabled.push_back(static_cast<Control>(at));
    EXPECT_EQ(disabled, GetParam().disabled);
    EXPECT_EQ(page.GetText(Control::ProgramNumber), GetParam().program);
    if (!GetParam().lines.empty()) {
        EXPECT_EQ(Shown(page), GetParam().lines);
    }
    EXPECT_EQ(SaveAndRead(page), Finisher(GetParam().saved, "\r\n"));
}

INSTANTIATE_TEST_SUITE_P(Regions, CFinisherSettingsTest, testing::ValuesIn(kCases), ByCaseName());
}
