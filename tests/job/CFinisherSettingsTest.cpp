// The finisher page's rules for each region: a file read, the user's changes, then the whole file saved.
#include "CFinisherSettings.h"
#include "CPlotter.h"
#include "CProfile.h"
#include "CProfileBatch.h"
#include "CTempDir.h"
#include "CaseNames.h"

#include <gtest/gtest.h>

namespace {
using Control = CFinisherSettings::Control;
using Status = SettingEdit::Status;
using Strings = std::vector<std::string>;

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

struct EditCase {
    std::string edit;  // "Key=VALUE" of section "Finisher"
    Status status = Status::Applied;
    Strings offered = {};
};

struct FinisherCase {
    const char* name;
    const char* region;
    std::string file;   // keys of the current file
    std::string saved;  // keys of the saved file, in file order
    std::vector<Control> disabled = {};  // in the order of Control
    std::vector<EditCase> edits = {};
    const char* program = "";  // the program number the ZC page shows
    bool shown = true;         // a page never shown copies its keys through
};

const std::string kJpFallbacks = "Folder=UNFOLD\nFolderRotate=OFF\nFolderSize=A4\nFolderMargin=0\n"
                                 "FolderCornerFold=OFF\nStacker=OFF\nStackBin=BIN1\nBaler=OFF";
const std::string kEveryJpKey = "Baler=ON\nStackBin=2\nStacker=STACK\nFolderCornerFold=ON\nFolderMargin=20\n"
                                "FolderSize=LETTER\nFolderRotate=ON\nFolder=CROSS1\nFolderProgramRange=3";
const std::string kZcKeys = "FolderProgramRange=12\nFolderMargin=20\nFolderOutputBin=SELECTBIN\nFolderBinNoRange=3";

const FinisherCase kCases[] = {
    {"JpEmptyFileTakesFallbacks", "JP", "", kJpFallbacks, {Control::Fold}},
    {"JpReadsEveryKeyAndSavesInOrder", "JP", kEveryJpKey,
     "Folder=CROSS1\nFolderRotate=ON\nFolderSize=LETTER\nFolderMargin=20\nFolderCornerFold=ON\nStacker=STACK\n"
     "StackBin=2\nBaler=ON",
     {Control::Fold}},
    {"OlderStackerHoldsTheBin", "JP", "Stacker=BIN2\nStackBin=TOPTRAY",
     "Folder=UNFOLD\nFolderRotate=OFF\nFolderSize=A4\nFolderMargin=0\nFolderCornerFold=OFF\nStacker=STACK\n"
     "StackBin=BIN2\nBaler=OFF",
     {Control::Fold}},
    {"UnknownStackerShowsBinOne", "JP", "Stacker=BIN3\nStackBin=2", kJpFallbacks, {Control::Fold}},
    {"MixedStackerDisablesTheStillSavedBin", "JP", "Stacker=MIX\nStackBin=2\nFolder=UNFOLD",
     "Folder=UNFOLD\nFolderRotate=OFF\nFolderSize=A4\nFolderMargin=0\nFolderCornerFold=OFF\nStacker=MIX\n"
     "StackBin=2\nBaler=OFF",
     {Control::StackBin}},
    {"FoldCheckDisablesTheProgram", "JP", "Folder=FOLD",
     "FolderRotate=OFF\nFolderSize=A4\nFolderMargin=0\nFolderCornerFold=OFF\nStacker=OFF\nStackBin=BIN1\n"
     "Folder=FOLD\nBaler=OFF",
     {Control::FoldProgram}},
    {"FoldCheckClearedWritesTheProgram", "JP", "Folder=FOLD", kJpFallbacks, {}, {{"Folder=UNFOLD"}}},
    {"FoldProgramDisablesTheCheck", "JP", "Folder=UNFOLD",
     "Folder=FAN1\nFolderRotate=OFF\nFolderSize=A4\nFolderMargin=0\nFolderCornerFold=OFF\nStacker=OFF\n"
     "StackBin=BIN1\nBaler=OFF",
     {Control::Fold}, {{"Folder=FAN1"}}},
    {"FoldReachedThroughUnfold", "JP", "Folder=CROSS1",
     "FolderRotate=OFF\nFolderSize=A4\nFolderMargin=0\nFolderCornerFold=OFF\nStacker=SIZE\nStackBin=BIN1\n"
     "Folder=FOLD\nBaler=OFF",
     {Control::FoldProgram, Control::StackBin}, {{"Folder=FOLD"}, {"Stacker=SIZE"}}},
    {"JpRefusesValuesNotOnOffer", "JP", kEveryJpKey,
     "Folder=CROSS1\nFolderRotate=ON\nFolderSize=LETTER\nFolderMargin=20\nFolderCornerFold=ON\nStacker=STACK\n"
     "StackBin=2\nBaler=ON",
     {Control::Fold},
     {{"Folder=Fan fold", Status::BadValue, {"UNFOLD", "FAN1", "CROSS1", "FOLD"}},
      {"Baler=on", Status::BadValue, {"ON", "OFF"}},
      {"StackBin=3", Status::BadValue, {"TOPTRAY", "BIN1", "BIN2", "2"}},
      {"FolderProgramRange=OFF", Status::UnknownKey}}},
    {"ApStackerOlderFormAndEdits", "AP", "Stacker=BIN1\nStackBin=2\nFolder=FOLD",
     "Folder=FAN1\nFolderRotate=ON\nFolderSize=A4\nFolderMargin=0\nFolderCornerFold=OFF\nStacker=STACK\nBaler=OFF",
     {},
     {{"Folder=FAN1"}, {"FolderRotate=ON"}, {"Folder=FOLD", Status::BadValue, {"UNFOLD", "FAN1", "CROSS1"}},
      {"StackBin=BIN1", Status::UnknownKey}}},
    {"ClReadsEveryKey", "CL", kEveryJpKey,
     "Folder=CROSS1\nFolderRotate=ON\nFolderSize=LETTER\nFolderMargin=20\nFolderCornerFold=ON\nStacker=STACK\n"
     "Baler=ON"},
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
    {"JpCopiesItsKeys", "JP", kEveryJpKey,
     "Folder=CROSS1\nFolderRotate=ON\nFolderSize=LETTER\nFolderMargin=20\nFolderCornerFold=ON\nStacker=STACK\n"
     "StackBin=2\nBaler=ON",
     {}, {}, "", false},
    {"ApCopiesItsKeysMissingOnesAsNothing", "AP", "Folder=FAN1",
     "Folder=FAN1\nFolderRotate=HP-PJL_NOTHING\nFolderSize=HP-PJL_NOTHING\nFolderMargin=HP-PJL_NOTHING\n"
     "FolderCornerFold=HP-PJL_NOTHING\nStacker=HP-PJL_NOTHING\nBaler=HP-PJL_NOTHING",
     {}, {}, "", false},
    {"ClCopiesItsKeys", "CL", kEveryJpKey,
     "Folder=CROSS1\nFolderRotate=ON\nFolderSize=LETTER\nFolderMargin=20\nFolderCornerFold=ON\nStacker=STACK\n"
     "Baler=ON",
     {}, {}, "", false},
    {"ZcCopiesItsKeys", "ZC", "Baler=ON\nStacker=STACK\n" + kZcKeys, kZcKeys, {}, {}, "", false},
    {"OtherRegionCopiesTheZcKeys", "US", "FolderBinNoRange=55\nBaler=ON",
     "FolderProgramRange=HP-PJL_NOTHING\nFolderMargin=HP-PJL_NOTHING\nFolderOutputBin=HP-PJL_NOTHING\n"
     "FolderBinNoRange=55",
     {}, {}, "", false},
};

class CFinisherSettingsTest : public testing::TestWithParam<FinisherCase> {
protected:
    CFinisherSettingsTest() { m_plotter.LoadConfig(GetParam().region); }

    CTempDir m_dir;
    CPlotter m_plotter{m_dir.Write("PJLConfig.txt", kCapabilities)};
    CFinisherSettings m_page{m_plotter, GetParam().region};
};

TEST_P(CFinisherSettingsTest, SavesWholeFile)
{
    CProfile current;
    current.Open(m_dir.Write("current.prn", Finisher(GetParam().file, "\n")));
    if (GetParam().shown)
        m_page.Load(current);
    for (const EditCase& edit : GetParam().edits) {
        const auto equals = edit.edit.find('=');
        const SettingEdit result = m_page.Edit({"Finisher", edit.edit.substr(0, equals)}, edit.edit.substr(equals + 1));
        EXPECT_EQ(result.status, edit.status) << edit.edit;
        EXPECT_EQ(result.offered, edit.offered) << edit.edit;
    }
    std::vector<Control> disabled;
    for (int at = 0; at <= static_cast<int>(Control::BinNumber); ++at)
        if (m_page.Has(static_cast<Control>(at)) && !m_page.IsEnabled(static_cast<Control>(at)))
            disabled.push_back(static_cast<Control>(at));
    EXPECT_EQ(disabled, GetParam().disabled);
    EXPECT_EQ(m_page.GetText(Control::ProgramNumber), GetParam().program);
    CProfileBatch batch(m_dir.File("saved.prn"));
    m_page.Save(batch, current.GetPath());
    ASSERT_TRUE(batch.Commit());
    EXPECT_EQ(ReadFileBytes(batch.GetPath()), Finisher(GetParam().saved, "\r\n"));
}

INSTANTIATE_TEST_SUITE_P(Regions, CFinisherSettingsTest, testing::ValuesIn(kCases), ByCaseName());

// The command line shows each key once, "Folder" with the value the fold check
// gives it, and a list's value with its label.
TEST(CFinisherSettingsLinesTest, OneLinePerKeyInCopyOrder)
{
    CTempDir dir;
    CPlotter plotter(dir.Write("PJLConfig.txt", kCapabilities));
    plotter.LoadConfig("JP");
    CFinisherSettings page(plotter, "JP");
    CProfile current;
    current.Open(dir.Write("current.prn", Finisher("Folder=FOLD\nStacker=SORT\nStackBin=BIN2", "\n")));
    page.Load(current);
    std::string shown;
    for (const SettingLine& line : page.Lines())
        shown += line.key.key + "=" + line.value + (line.display.empty() ? "" : " (" + line.display + ")") + ";";
    EXPECT_EQ(shown, "Folder=FOLD;FolderRotate=OFF;FolderSize=A4 (A4);FolderMargin=0 (None);FolderCornerFold=OFF;"
                     "Stacker=SORT (Sort);StackBin=BIN2 (Bin 2);Baler=OFF;");
}
}
