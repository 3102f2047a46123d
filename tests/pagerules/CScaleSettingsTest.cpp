// The scale page's rules: a file read, the user's actions, then the whole file saved.
#include "CScaleSettings.h"
#include "CPageRulesFixture.h"
#include "CaseNames.h"
#include "ResourceIds.h"
#include "SheetFlags.h"

#include <gtest/gtest.h>

namespace {
using Status = SettingEdit::Status;
using Strings = std::vector<std::string>;
using Grid = CScaleSettings::Grid;

// ARCH has two output sizes labelled "D"; ISOB carries the label of ISOA.
const std::string kCapabilities =
    "[Scale]\nInputPaperGroup=ISO A;ISOA,ARCH;ARCH\nOutputPaperGroup=ISO A;ISOA,ARCH;ARCH,ISO A;ISOB\n"
    "RollPaperGroup=ISO rolls;ISOA,ARCH rolls;ARCH\nPaperCut=Synchro;SYNCHRO,Standard;STANDARD,Preset;PRESET\n"
    "INDEX_LONGSIZEPSTN=3\nISOA_OutputSize=A0;A0,A1;A1,A2;A2,A0 x 2;A0X2,A1 x 3;A1X3\n"
    "ISOA_PaperSize=A0 roll;A0R,A1 roll;A1R\nARCH_OutputSize=E;ARCH_E,D;ARCH_D,D;ARCH_D2\n"
    "ARCH_PaperSize=36 in;R36,24 in;R24\nISOB_OutputSize=B0;B0\n";
const std::string kIsoInputSizes = "A0,A1,A2,A0 x 2,A1 x 3";

Strings Times(int count, const std::string& value)
{
    return Strings(static_cast<std::size_t>(count), value);
}

std::string SizeSection(const std::string& section, const std::string& prefix, const Strings& values)
{
    std::string keys;
    for (std::size_t row = 0; row < values.size(); ++row)
        if (!values[row].empty())
            keys += prefix + std::to_string(row + 1) + "Size=" + values[row] + "\r\n";
    return keys.empty() ? keys : "[" + section + "]\r\n" + keys;
}

// The whole saved file from the groups (input, output, roll), the output
// mode and each row's output and paper size ("" for a row writing nothing).
std::string Saved(const Strings& groups, const std::string& mode, const Strings& outputs = {},
                  const Strings& papers = {})
{
    const auto first = [](const Strings& values) {
        return std::find_if(values.begin(), values.end(), [](const auto& v) { return !v.empty(); }) - values.begin();
    };
    const std::string sizes = SizeSection("OutputSize", "Output", outputs);
    const std::string rolls = SizeSection("PaperSize", "Paper", papers);
    return "[PaperGroup]\r\nInputPaperGroup=" + groups[0] + "\r\nOutputPaperGroup=" + groups[1]
           + "\r\nRollPaperGroup=" + groups[2] + "\r\n[Input/Output Mode]\r\nInputMode=AUTO_" + groups[0]
           + "\r\nOutputMode=" + mode + "\r\n" + (first(papers) < first(outputs) ? rolls + sizes : sizes + rolls);
}

struct Step {
    enum class Kind { Edit, AutoCheck, SameAsInput, Capability } kind;
    EditStep edit = {};  // Edit: "SECTION/KEY=VALUE"; Capability: "KEY=VALUE" of section "Scale"
    bool on = false;
};

Step Edit(std::string edit, Status status = Status::Applied, Strings offered = {})
{
    return {Step::Kind::Edit, {std::move(edit), status, std::move(offered)}};
}
Step AutoCheck(bool on) { return {Step::Kind::AutoCheck, {}, on}; }
Step SameAsInput() { return {Step::Kind::SameAsInput}; }
Step Capability(std::string edit) { return {Step::Kind::Capability, {std::move(edit)}}; }

struct ScaleCase {
    const char* name;
    std::string file;
    std::vector<Step> steps = {};
    std::string saved;
    const char* inputSizes = nullptr;  // scale grid column 0, when given
    const char* papers = nullptr;      // paper grid column 1, when given
    bool paperAuto = false;
    bool stampOn = false;
    std::vector<unsigned> messages = {};
    std::string lines = {};  // the lines, when given
};

const std::string kArchRows = "[PaperGroup]\nInputPaperGroup=ARCH\nOutputPaperGroup=ARCH\nRollPaperGroup=ARCH\n"
                              "[Input/Output Mode]\nOutputMode=PRESET_ARCH\n[OutputSize]\nOutput1Size=ARCH_E\n"
                              "Output2Size=ARCH_D\nOutput3Size=A0\nOutput15Size=ARCH_D2\n"
                              "[PaperSize]\nPaper1Size=R24\nPaper2Size=A0R\nPaper3Size=R36\n";
const Strings kIso = {"ISOA", "ISOA", "ISOA"};
const Strings kArchOutputs = {"ARCH_E", "ARCH_D2", "ARCH_D2"};
const Strings kIsoRolls = {"A0R", "A1R", "A0R", "A1R", "A0R", "A1R"};

const ScaleCase kCases[] = {
    {.name = "UnknownValuesTakeFirstEntries",
     .file = "[PaperGroup]\nInputPaperGroup=ISOC\nOutputPaperGroup=iso a\nRollPaperGroup=\n"
             "[Input/Output Mode]\nOutputMode=STANDARD_ISOC\n[PaperSize]\nPaper1Size=R36\n",
     .saved = Saved(kIso, "SYNCHRO_ISOA", {}, {"R36"}), .inputSizes = kIsoInputSizes.c_str(), .papers = ""},
    // The lines show the labels of rows that name a size.
    {.name = "RowsSavedByLabelLastMatchWins", .file = kArchRows,
     .saved = Saved({"ARCH", "ARCH", "ARCH"}, "PRESET_ARCH",
                    {"ARCH_E", "ARCH_D2", "A0", "", "", "", "", "", "", "", "", "", "", "", "ARCH_D2"}, {"R24", "A0R", "R36"}),
     .inputSizes = "E,D,D", .papers = "24 in,,36 in",
     .lines = "InputPaperGroup=ARCH (ARCH);OutputPaperGroup=ARCH (ARCH);RollPaperGroup=ARCH (ARCH rolls);"
              "InputMode=AUTO_ARCH;OutputMode=PRESET_ARCH (Preset);Output1Size=ARCH_E (E);Paper1Size=R24 (24 in);"
              "Output2Size=ARCH_D2 (D);Paper2Size=A0R;Output3Size=A0;Paper3Size=R36 (36 in);"
              "Output15Size=ARCH_D2 (D);"},
    {.name = "OutputModeOfAnotherOutputGroupMatches", .file = "[Input/Output Mode]\nOutputMode=STANDARD_ISOB\n",
     .saved = Saved(kIso, "STANDARD_ISOA")},
    {.name = "AutoFirstPaper",
     .file = "[PaperGroup]\nRollPaperGroup=ARCH\n[OutputSize]\nOutput1Size=A1\n"
             "[PaperSize]\nPaper1Size=R36_AUTO\nPaper2Size=R24\n",
     .saved = Saved({"ISOA", "ISOA", "ARCH"}, "SYNCHRO_ISOA", {"A1"}, Times(15, "AUTO_ARCH")), .papers = "",
     .paperAuto = true},
    {.name = "ReselectingInputGroupDoesNotRefill", .file = "",
     .steps = {Capability("ISOA_OutputSize=Z;Z"), Edit("PaperGroup/InputPaperGroup=ISOA")},
     .saved = Saved(kIso, "SYNCHRO_ISOA"), .inputSizes = kIsoInputSizes.c_str()},
    {.name = "ChangingInputGroupRefills", .file = "", .steps = {Edit("PaperGroup/InputPaperGroup=ARCH")},
     .saved = Saved({"ARCH", "ISOA", "ISOA"}, "SYNCHRO_ISOA"), .inputSizes = "E,D,D"},
    {.name = "OutputGroupOfSameLabelKeepsRows", .file = "[OutputSize]\nOutput1Size=A2\n",
     .steps = {Edit("PaperGroup/OutputPaperGroup=ISOB")}, .saved = Saved(kIso, "SYNCHRO_ISOA", {"A2"})},
    {.name = "ChangingOutputGroupRefills", .file = "[Input/Output Mode]\nOutputMode=PRESET_ISOA\n[OutputSize]\n"
                                                   "Output1Size=A2\n",
     .steps = {Edit("PaperGroup/OutputPaperGroup=ARCH")},
     .saved = Saved({"ISOA", "ARCH", "ISOA"}, "PRESET_ARCH", kArchOutputs)},
    {.name = "SameAsInputTakesInputGroup",
     .file = "[PaperGroup]\nInputPaperGroup=ARCH\n[Input/Output Mode]\nOutputMode=PRESET_ISOA\n"
             "[OutputSize]\nOutput1Size=A2\n",
     .steps = {SameAsInput()}, .saved = Saved({"ARCH", "ARCH", "ISOA"}, "SYNCHRO_ARCH", kArchOutputs)},
    // Six rows refilled; those past them keep the file's values.
    {.name = "RollGroupRefillsThreeTimes", .file = "[PaperSize]\nPaper7Size=A0R\n",
     .steps = {Edit("PaperGroup/RollPaperGroup=ARCH")},
     .saved = Saved({"ISOA", "ISOA", "ARCH"}, "SYNCHRO_ISOA", {}, {"R36", "R24", "R36", "R24", "R36", "R24", "A0R"}),
     .papers = "36 in,24 in,36 in,24 in,36 in,24 in"},
    {.name = "RollGroupWhileAutoFillsNothing", .file = "[PaperSize]\nPaper1Size=AUTO_ISOA\n",
     .steps = {Edit("PaperGroup/RollPaperGroup=ARCH")},
     .saved = Saved({"ISOA", "ISOA", "ARCH"}, "SYNCHRO_ISOA", {}, Times(15, "AUTO_ARCH")), .papers = "",
     .paperAuto = true},
    {.name = "AutoCheckOn", .file = "[PaperSize]\nPaper1Size=A1R\n", .steps = {AutoCheck(true)},
     .saved = Saved(kIso, "SYNCHRO_ISOA", {}, Times(15, "AUTO_ISOA")), .papers = "", .paperAuto = true},
    {.name = "AutoCheckRefusedWhileStamping", .file = "[PaperSize]\nPaper1Size=A1R\n", .steps = {AutoCheck(true)},
     .saved = Saved(kIso, "SYNCHRO_ISOA", {}, {"A1R"}), .papers = "A1 roll", .stampOn = true,
     .messages = {ResId::kAutoPaperWithStampMessage}},
    {.name = "AutoCheckOffRefillsRolls", .file = "[PaperSize]\nPaper1Size=AUTO_ISOA\n", .steps = {AutoCheck(false)},
     .saved = Saved(kIso, "SYNCHRO_ISOA", {}, kIsoRolls), .stampOn = true},
    {.name = "LongSizesFromIndexOn", .file = "",
     .steps = {Edit("OutputSize/Output3Size=A0"), Edit("OutputSize/Output4Size=A0", Status::BadValue, {"A0X2", "A1X3"}),
               Edit("OutputSize/Output4Size=A1X3"), Edit("OutputSize/Output15Size=A0X2"),
               Edit("PaperSize/Paper1Size=R36", Status::BadValue, {"A0R", "A1R"}), Edit("PaperSize/Paper2Size=A1R")},
     .saved = Saved(kIso, "SYNCHRO_ISOA", {"", "", "A0", "A1X3", "", "", "", "", "", "", "", "", "", "", "A0X2"},
                    {"", "A1R"})},
    {.name = "EditsRefuseValuesNotOnOffer", .file = "[PaperSize]\nPaper1Size=AUTO_ISOA\n",
     .steps = {Edit("PaperGroup/InputPaperGroup=ISOB", Status::BadValue, {"ISOA", "ARCH"}),
               Edit("Input/Output Mode/InputMode=AUTO_ISOB", Status::BadValue, {"AUTO_ISOA", "AUTO_ARCH"}),
               Edit("Input/Output Mode/InputMode=AUTO_ARCH"),
               Edit("Input/Output Mode/OutputMode=PRESET_ARCH", Status::BadValue,
                    {"SYNCHRO_ISOA", "STANDARD_ISOA", "PRESET_ISOA"}),
               Edit("Input/Output Mode/OutputMode=PRESET_ISOA"),
               Edit("PaperSize/Paper2Size=A0R", Status::BadValue, {"AUTO_ISOA"}), Edit("PaperSize/Paper2Size=AUTO_ISOA"),
               Edit("OutputSize/Output16Size=A0", Status::UnknownKey), Edit("Stamp/StampID=OFF", Status::UnknownKey)},
     .saved = Saved({"ARCH", "ISOA", "ISOA"}, "PRESET_ISOA", {}, Times(15, "AUTO_ISOA")), .paperAuto = true},
};

class CScaleSettingsTest : public CPageRulesFixture, public testing::TestWithParam<ScaleCase> {
protected:
    CScaleSettingsTest() : CPageRulesFixture(kCapabilities) {}

    void Run(const Step& step)
    {
        const std::string& text = step.edit.edit;
        if (step.kind == Step::Kind::AutoCheck) {
            m_page.SetPaperAuto(step.on);
        } else if (step.kind == Step::Kind::SameAsInput) {
            m_page.TakeInputGroupAsOutput();
        } else if (step.kind == Step::Kind::Capability) {
            CProfile capabilities;
            capabilities.Open(m_plotter.GetCapabilityFilePath());
            capabilities.WriteString("Scale", text.substr(0, text.find('=')), ValueOf(text));
        } else {
            ExpectEdits(m_page, {step.edit});
        }
    }

    // The cells joined by ",", without the empty rows at the end.
    std::string Column(Grid grid, int column) const
    {
        std::string text;
        for (int row = 1; row <= CScaleSettings::kRowCount; ++row)
            text += (row > 1 ? "," : "") + m_page.GetCell(grid, row, column);
        return text.erase(text.find_last_not_of(',') + 1);
    }

    SheetFlags m_flags;
    CScaleSettings m_page{m_plotter, m_flags};
};

TEST_P(CScaleSettingsTest, SavesWholeFile)
{
    const ScaleCase& c = GetParam();
    const CProfile& current = Current(c.file);
    // As the sheet sets them when it opens.
    m_flags = {c.stampOn, current.GetString("PaperSize", "Paper1Size", kMissingValue).find("AUTO") != std::string::npos};
    m_page.Load(current);
    for (const Step& step : c.steps)
        Run(step);

    EXPECT_EQ(SaveAndRead(m_page), c.saved);
    EXPECT_EQ(m_messages.Ids(), c.messages);
    EXPECT_EQ(m_page.IsPaperAuto(), c.paperAuto);
    EXPECT_EQ(m_flags.paperAuto, c.paperAuto);
    if (c.inputSizes) {
        EXPECT_EQ(Column(Grid::Scale, 0), c.inputSizes);
    }
    if (c.papers) {
        EXPECT_EQ(Column(Grid::Paper, 1), c.papers);
    }
    if (!c.lines.empty()) {
        EXPECT_EQ(Shown(m_page), c.lines);
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, CScaleSettingsTest, testing::ValuesIn(kCases), ByCaseName());
}
