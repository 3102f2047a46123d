// The pen page's rules: a file read, the user's changes, then the whole file saved and the messages shown.
#include "CMessageRecorder.h"
#include "CMessageService.h"
#include "CPenSettings.h"
#include "CPlotter.h"
#include "CProfile.h"
#include "CProfileBatch.h"
#include "CTempDir.h"
#include "CaseNames.h"
#include "ResourceIds.h"

#include <gtest/gtest.h>

#include <functional>

namespace {
using Strings = std::vector<std::string>;
constexpr unsigned kBadWidth = ResId::kBadPenWidthMessage;

// Pen n as the test files give it: every end, joint and colour in turn.
std::string PenValue(int n)
{
    const auto pick = [n](const Strings& values) { return values[static_cast<std::size_t>(n) % values.size()]; };
    return std::to_string(n) + "," + pick(CPenSettings::GetEndValues()) + "," + pick(CPenSettings::GetJointValues())
           + "," + pick(CPlotter::GetColorCodes());
}

std::string PenLines(int count)
{
    std::string text;
    for (int n = 1; n <= count; ++n)
        text += "Pen" + std::to_string(n) + "=" + PenValue(n) + "\n";
    return text;
}

// The whole saved file: the pens read, then the given values, the remaining rows empty.
std::string Saved(int readPens, const Strings& given, const std::string& widthChange = "OFF")
{
    std::string text = "[HPGLPen]\r\n";
    for (int n = 1; n <= CPenSettings::kPenCount; ++n) {
        const auto at = static_cast<std::size_t>(n - readPens - 1);
        const std::string value = n <= readPens ? PenValue(n) : at < given.size() ? given[at] : ",,,BLACK";
        text += "Pen" + std::to_string(n) + "=" + value + "\r\n";
    }
    return text + "PenWidthChange=" + widthChange + "\r\n";
}

using Action = std::function<void(CPenSettings&)>;

Action Width(const std::string& width, bool accepted)
{
    return [=](CPenSettings& page) { EXPECT_EQ(page.SetWidth(1, width), accepted); };
}

Action Edit(const std::string& key, const std::string& value, SettingEdit::Status status, const Strings& offered = {})
{
    return [=](CPenSettings& page) {
        const SettingEdit edit = page.Edit({"HPGLPen", key}, value);
        EXPECT_EQ(edit.status, status);
        EXPECT_EQ(edit.offered, offered);
    };
}

const auto kBad = SettingEdit::Status::BadValue;
const auto kApplied = SettingEdit::Status::Applied;

struct PenCase {
    const char* name;
    std::string body;  // section "HPGLPen" of the current file
    Action act;
    std::string saved;
    std::vector<unsigned> messages;
};

const PenCase kCases[] = {
    {"UnknownColourSavedBlack", "Pen1=10,ROUND,BEVEL,GREEN\nPen2=10,ROUND,BEVEL,RED,X\n", {},
     Saved(0, {"10,ROUND,BEVEL,BLACK", "10,ROUND,BEVEL,RED"}), {}},
    {"WidthChangeMissingIsOff", PenLines(2), {}, Saved(2, {}), {}},
    {"StopsAtFirstMissingPen", PenLines(1) + "Pen3=" + PenValue(3) + "\nPenWidthChange=ON\n", {}, Saved(1, {}, "ON"), {}},
    {"MalformedPenStopsBeforeWidthChange", PenLines(2) + "Pen3=10,ROUND,BEVEL\nPen4=1,,,\nPenWidthChange=ON\n", {},
     Saved(2, {}), {ResId::kBadPenEntryMessage}},
    {"ThirtyThirdPenIgnored", PenLines(33) + "PenWidthChange=ON\n", {}, Saved(32, {}, "ON"), {}},
    {"WidthLetter", PenLines(1), Width("1a", false), Saved(1, {}), {kBadWidth}},
    {"WidthEmpty", PenLines(1), Width("", false), Saved(1, {}), {kBadWidth}},
    {"WidthBelowRange", PenLines(1), Width("0", false), Saved(1, {}), {kBadWidth}},
    {"WidthAboveRange", PenLines(1), Width("99999999999", false), Saved(1, {}), {kBadWidth}},
    {"WidthUpperBound", PenLines(1), Width("200", true), Saved(0, {"200,ROUND,BEVEL,BLACK"}), {}},
    {"ChoicesOfTheirSets",
     PenLines(1),
     [](CPenSettings& page) {
         EXPECT_TRUE(page.SetEnd(1, "TRIANGLE") && page.SetJoint(1, "UNJOINT") && page.SetColour(1, "RED"));
         EXPECT_FALSE(page.SetEnd(1, "BEVEL") || page.SetJoint(1, "TRIANGLE") || page.SetColour(1, "GRAY"));
         EXPECT_EQ(page.Lines()[0].display, page.GetColourName("RED"));
         page.SetWidthChange(true);
     },
     Saved(0, {"1,TRIANGLE,UNJOINT,RED"}, "ON"), {}},
    {"EditPen", "", Edit("Pen2", "20,ROUND,MITTER,WHITE", kApplied), Saved(0, {",,,BLACK", "20,ROUND,MITTER,WHITE"}),
     {}},
    {"EditBadWidth", "", Edit("Pen1", "2x,ROUND,MITTER,RED", kBad, {"1..200"}), Saved(0, {}), {}},
    {"EditBadEnd", "", Edit("Pen1", "20,FLAT,MITTER,RED", kBad, CPenSettings::GetEndValues()), Saved(0, {}), {}},
    {"EditBadJoint", "", Edit("Pen1", "20,ROUND,MITER,RED", kBad, CPenSettings::GetJointValues()), Saved(0, {}), {}},
    {"EditExtraField", "", Edit("Pen1", "20,ROUND,MITTER,RED,X", kBad, CPlotter::GetColorCodes()), Saved(0, {}), {}},
    {"EditWidthChange", "", Edit("PenWidthChange", "ON", kApplied), Saved(0, {}, "ON"), {}},
    {"EditWidthChangeBad", "", Edit("PenWidthChange", "on", kBad, {"ON", "OFF"}), Saved(0, {}), {}},
    {"EditPen33", "", Edit("Pen33", "20,ROUND,MITTER,RED", SettingEdit::Status::UnknownKey), Saved(0, {}), {}},
};

class CPenSettingsTest : public testing::TestWithParam<PenCase> {};

TEST_P(CPenSettingsTest, SavesWholeFile)
{
    const PenCase& param = GetParam();
    CTempDir dir;
    CMessageRecorder messages;
    CPlotter plotter(dir.Write("caps.ini", "[HPGLPen]\nPenWidthRange=1,200\n"));
    plotter.LoadConfig("ZC");
    CPenSettings page(plotter);
    CProfile current;
    current.Open(dir.Write("current.prn", "[HPGLPen]\n" + param.body));
    page.Load(current);
    if (param.act)
        param.act(page);

    CProfileBatch batch(dir.File("saved.prn"));
    page.Save(batch, current.GetPath());
    ASSERT_TRUE(batch.Commit());
    EXPECT_EQ(ReadFileBytes(batch.GetPath()), param.saved);
    EXPECT_EQ(messages.Ids(), param.messages);
    for (const auto& message : messages.Messages())
        EXPECT_TRUE(message.id != kBadWidth || message.text == CMessageService::FormatBounds(kBadWidth, 1, 200))
            << message.text;
}

INSTANTIATE_TEST_SUITE_P(Files, CPenSettingsTest, testing::ValuesIn(kCases), ByCaseName());
}
