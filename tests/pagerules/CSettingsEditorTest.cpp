#include "CSettingsEditor.h"

#include "CMessageRecorder.h"
#include "CPageRulesFixture.h"
#include "CPlotter.h"
#include "CProgramVersion.h"
#include "CTempDir.h"
#include "CaseNames.h"
#include "ResourceIds.h"
#include "TestConfig.h"

#include <gtest/gtest.h>

namespace {
using Tab = CSettingsEditor::Tab;
using Result = CSettingsEditor::SaveResult;

const std::string kFull = ReadFileBytes(std::string(test_config::kTestDataDir) + "settings/full.prn");
// full.prn saved by the editor of region ZC into a new file.
const std::string kSaved = ReadFileBytes(std::string(test_config::kTestDataDir) + "settings/full-saved-zc.prn");

std::string Replaced(std::string text, const std::vector<std::pair<std::string, std::string>>& replacements)
{
    for (const auto& [from, to] : replacements) {
        const auto at = text.find(from);
        EXPECT_NE(at, std::string::npos) << from;
        if (at != std::string::npos)
            text.replace(at, from.size(), to);
    }
    return text;
}

// The cases are made before the program's version is read: "{version}" stands for it.
std::string Expanded(std::string text)
{
    EXPECT_TRUE(CProgramVersion::GetProgramVersion());
    const auto version = CProgramVersion::GetProgramVersion().value_or(CProgramVersion::Numbers{});
    if (const auto at = text.find("{version}"); at != std::string::npos)
        text.replace(at, 9, std::to_string(version.major) + "." + std::to_string(version.minor) + "." +
                                std::to_string(version.build));
    return text;
}

struct FlagCase {
    const char* name;
    const char* fileName;
    std::string bytes;
    bool stampOn;
    bool paperAuto;
    const char* proposed;
};

const FlagCase kFlagCases[] = {
    {"NoStampIdIsOn", "a.prn", "[QXSD]\nHPPJL Version=1.0.0\n", true, false, "a.prn"},
    {"StampOff", "b.prn", "[Stamp]\nStampID=OFF\n", false, false, "b.prn"},
    {"StampNumber", "c.prn", "[Stamp]\nStampID=3\n", true, false, "c.prn"},
    {"AutoInsideFirstPaper", "default.org", "[Stamp]\nStampID=OFF\n[PaperSize]\nPaper1Size=R1_AUTO_X\n", false,
     true, "*.prn"},
    {"AutoOnlyInLaterPaper", "default.org", "[PaperSize]\nPaper1Size=A0\nPaper2Size=AUTO_R1\n", true, false,
     "*.prn"},
    {"AutoIsUpperCase", "d.org", "[PaperSize]\nPaper1Size=auto_R1\n", true, false, "d.org"},
};

class CSettingsEditorFlagTest : public testing::TestWithParam<FlagCase> {};

TEST_P(CSettingsEditorFlagTest, ReadsTheFlagsAndProposesAName)
{
    CTempDir dir;
    CPlotter plotter;
    const CSettingsEditor editor(plotter, "ZC", "x", dir.Write(GetParam().fileName, GetParam().bytes));
    EXPECT_EQ(editor.GetStampOn(), GetParam().stampOn);
    EXPECT_EQ(editor.GetPaperAuto(), GetParam().paperAuto);
    EXPECT_EQ(editor.ProposedFileName(), GetParam().proposed);
}

INSTANTIATE_TEST_SUITE_P(Files, CSettingsEditorFlagTest, testing::ValuesIn(kFlagCases), ByCaseName());

// One thing the user does: "show", "edit" (SECTION/KEY=VALUE through the
// tab's page), "save" (as a file of the folder) or "change" (a file changed
// behind the editor's back, SECTION/KEY=VALUE).
struct Step {
    enum class Kind { Show, Edit, Save, Change } kind;
    std::string text;
    Tab tab = Tab::Pen;
};

Step Show(Tab tab) { return {Step::Kind::Show, {}, tab}; }
Step Edit(Tab tab, std::string edit) { return {Step::Kind::Edit, std::move(edit), tab}; }
Step Save(std::string name) { return {Step::Kind::Save, std::move(name)}; }
Step Change(std::string file, std::string edit) { return {Step::Kind::Change, file + ":" + edit}; }

struct SaveCase {
    const char* name;
    std::string current;  // as "current.prn"
    std::vector<Step> steps;
    Result result;         // of the last save
    std::string expected;  // the last save's file; the name when nothing was written
    std::string settingName = "current";
    std::vector<unsigned> messages = {};
};

void PrintTo(const SaveCase& c, std::ostream* out)
{
    *out << c.name;
}

class CSettingsEditorSaveTest : public testing::TestWithParam<SaveCase> {
protected:
    Result Run(CSettingsEditor& editor, const Step& step)
    {
        switch (step.kind) {
        case Step::Kind::Show:
            editor.ShowPage(step.tab);
            break;
        case Step::Kind::Edit:
            ExpectEdits(editor.GetPage(step.tab), {{step.text}});
            break;
        case Step::Kind::Save:
            m_saved = m_dir.File(step.text);
            return editor.SaveAs(m_saved);
        case Step::Kind::Change: {
            CProfile file;
            file.Open(m_dir.File(step.text.substr(0, step.text.find(':'))));
            const std::string edit = step.text.substr(step.text.find(':') + 1);
            file.WriteString(KeyOf(edit).section, KeyOf(edit).key, ValueOf(edit));
        }
        }
        return Result::Saved;
    }

    CTempDir m_dir;
    std::string m_saved;
};

TEST_P(CSettingsEditorSaveTest, WritesTheWholeFile)
{
    const SaveCase& c = GetParam();
    CPlotter plotter;
    plotter.LoadConfig("ZC");
    const std::string current = m_dir.Write("current.prn", c.current);
    CSettingsEditor editor(plotter, "ZC", "current", current);
    CMessageRecorder messages;
    Result result = Result::Saved;
    for (const Step& step : c.steps)
        result = Run(editor, step);
    EXPECT_EQ(result, c.result);
    EXPECT_EQ(messages.Ids(), c.messages);
    EXPECT_EQ(editor.GetSettingName(), c.settingName);
    if (result == Result::Saved) {
        EXPECT_EQ(editor.GetCurrentPath(), m_saved);
        EXPECT_EQ(ReadFileBytes(m_saved), Expanded(c.expected));
    } else {
        EXPECT_EQ(editor.GetCurrentPath(), current);
        EXPECT_FALSE(FileExists(m_dir.File(c.expected)));
    }
}

// Spaces around a name or value show whether a key was written: a write
// leaves "KEY=VALUE".
const std::string kSpaced = Replaced(kFull, {{"QXSD Version=1.0.0", "QXSD Version=0.9.0"},
                                             {"StampID=7", "StampID = 7"},
                                             {"RasterColor=RED", " RasterColor = RED"}});

const std::string kVersion = "QXSD Version={version}";

const SaveCase kSaveCases[] = {
    {"SameFileLeavesNeverShownPages", kSpaced,
     {Show(Tab::Pen), Edit(Tab::Pen, "HPGLPen/PenWidthChange=OFF"), Save("current.prn")},
     Result::Saved,
     Replaced(kSpaced, {{"QXSD Version=0.9.0", kVersion}, {"PenWidthChange=ON", "PenWidthChange=OFF"}})},
    {"SameFileRewritesShownPages", kSpaced, {Show(Tab::Color), Save("current.prn")}, Result::Saved,
     Replaced(kSpaced, {{"QXSD Version=0.9.0", kVersion}, {" RasterColor = RED", "RasterColor=RED"}})},
    {"NewFileCopiesEveryPage", kFull, {Save("new.prn")}, Result::Saved, kSaved, "new"},
    {"NewFileFromShownPages", kFull,
     {Show(Tab::Pen), Show(Tab::Color), Show(Tab::General), Save("new.prn")}, Result::Saved, kSaved,
     "new"},
    {"SecondSaveCopiesFromTheFirstFile", kFull,
     {Show(Tab::Pen), Edit(Tab::Pen, "HPGLPen/PenWidthChange=OFF"), Save("first.prn"),
      Change("first.prn", "Stamp/StampID=9"), Change("current.prn", "HPGLPen/Pen1=1,ROUND,ROUND,RED"),
      Save("second.prn")},
     Result::Saved, Replaced(kSaved, {{"PenWidthChange=ON", "PenWidthChange=OFF"}, {"StampID=7", "StampID=9"}}),
     "second"},
    {"DefaultOrgIsRefused", kFull, {Show(Tab::Pen), Save("default.org")}, Result::Reserved, "default.org",
     "current", {ResId::kReservedNameMessage}},
    {"UnwritableFileIsReported", kFull, {Save("none/new.prn")}, Result::WriteFailed, "none"},
};

INSTANTIATE_TEST_SUITE_P(Saves, CSettingsEditorSaveTest, testing::ValuesIn(kSaveCases), ByCaseName());

// The save's target: a reserved name is refused before an existing file is
// mentioned, so the window asks about replacing only a file it may write.
TEST(CSettingsEditorTest, TargetReservedBeforeExisting)
{
    CTempDir dir;
    CMessageRecorder messages;
    dir.Write("DEFAULT.ORG.prn", "");
    dir.Write("mine.prn", "");
    EXPECT_EQ(CSettingsEditor::CheckTarget(dir.File("DEFAULT.ORG.prn")), CSettingsEditor::Target::Reserved);
    EXPECT_EQ(CSettingsEditor::CheckTarget(dir.File("mine.prn")), CSettingsEditor::Target::Existing);
    EXPECT_EQ(CSettingsEditor::CheckTarget(dir.File("other.prn")), CSettingsEditor::Target::Free);
    EXPECT_EQ(messages.Ids(), std::vector<unsigned>{ResId::kReservedNameMessage});
}

// What a save would write counts, not how the user got there: a change and
// its undoing leave nothing unsaved, and a save leaves nothing unsaved.
TEST(CSettingsEditorTest, UnsavedChangesAreWhatASaveWouldWriteAnew)
{
    CTempDir dir;
    CPlotter plotter;
    plotter.LoadConfig("ZC");
    CSettingsEditor editor(plotter, "ZC", "current", dir.Write("current.prn", kFull));
    editor.ShowPage(Tab::Pen);
    editor.ShowPage(Tab::Color);
    EXPECT_FALSE(editor.HasUnsavedChanges());
    editor.GetPage(Tab::Pen).Edit({"HPGLPen", "PenWidthChange"}, "OFF");
    EXPECT_TRUE(editor.HasUnsavedChanges());
    editor.GetPage(Tab::Pen).Edit({"HPGLPen", "PenWidthChange"}, "ON");
    EXPECT_FALSE(editor.HasUnsavedChanges());
    editor.GetPage(Tab::Pen).Edit({"HPGLPen", "PenWidthChange"}, "OFF");
    EXPECT_EQ(editor.SaveAs(dir.File("saved.prn")), Result::Saved);
    EXPECT_FALSE(editor.HasUnsavedChanges());
    editor.ShowPage(Tab::General);
    EXPECT_FALSE(editor.HasUnsavedChanges());
}
}
