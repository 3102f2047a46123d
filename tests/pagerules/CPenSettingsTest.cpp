// The pen page's rules: a file read, the user's changes, then the whole file saved and the messages shown.
#include "CMessageService.h"
#include "CPageRulesFixture.h"
#include "CPenSettings.h"
#include "CaseNames.h"
#include "ResourceIds.h"

#include <gtest/gtest.h>

#include <functional>

namespace {
using Strings = std::vector<std::string>;
using Status = SettingEdit::Status;
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

struct PenCase {
    const char* name;
    std::string body;  // section "HPGLPen" of the current file
    std::string saved;
    std::vector<unsigned> messages = {};
    std::vector<EditStep> edits = {};  // of section "HPGLPen"
    std::function<void(CPenSettings&)> act = {};
};

const PenCase kCases[] = {
    {"UnknownColourSavedBlack", "Pen1=10,ROUND,BEVEL,GREEN\nPen2=10,ROUND,BEVEL,RED,X\n",
     Saved(0, {"10,ROUND,BEVEL,BLACK", "10,ROUND,BEVEL,RED"})},
    {"WidthChangeMissingIsOff", PenLines(2), Saved(2, {})},
    {"StopsAtFirstMissingPen", PenLines(1) + "Pen3=" + PenValue(3) + "\nPenWidthChange=ON\n", Saved(1, {}, "ON")},
    {"MalformedPenStopsBeforeWidthChange", PenLines(2) + "Pen3=10,ROUND,BEVEL\nPen4=1,,,\nPenWidthChange=ON\n",
     Saved(2, {}), {ResId::kBadPenEntryMessage}},
    {"ThirtyThirdPenIgnored", PenLines(33) + "PenWidthChange=ON\n", Saved(32, {}, "ON")},
    {"WidthsRefused", PenLines(1), Saved(1, {}), {kBadWidth, kBadWidth, kBadWidth, kBadWidth}, {},
     [](CPenSettings& page) {
         for (const char* width : {"1a", "", "0", "99999999999"})
             EXPECT_FALSE(page.SetWidth(1, width)) << width;
     }},
    {"ChoicesOfTheirSetsAndTheUpperWidth", PenLines(1), Saved(0, {"200,TRIANGLE,UNJOINT,RED"}, "ON"), {}, {},
     [](CPenSettings& page) {
         EXPECT_TRUE(page.SetWidth(1, "200"));
         EXPECT_TRUE(page.SetEnd(1, "TRIANGLE") && page.SetJoint(1, "UNJOINT") && page.SetColour(1, "RED"));
         EXPECT_FALSE(page.SetEnd(1, "BEVEL") || page.SetJoint(1, "TRIANGLE") || page.SetColour(1, "GRAY"));
         EXPECT_EQ(page.Lines()[0].display, page.GetColourName("RED"));
         page.SetWidthChange(true);
     }},
    {"EditsAsTheControlsWould", "", Saved(0, {",,,BLACK", "20,ROUND,MITTER,WHITE"}, "ON"), {},
     {{"Pen2=20,ROUND,MITTER,WHITE"}, {"PenWidthChange=ON"}}},
    {"EditsRefusedWithWhatIsOnOffer", "", Saved(0, {}), {},
     {{"Pen1=2x,ROUND,MITTER,RED", Status::BadValue, {"1..200"}},
      {"Pen1=20,FLAT,MITTER,RED", Status::BadValue, CPenSettings::GetEndValues()},
      {"Pen1=20,ROUND,MITER,RED", Status::BadValue, CPenSettings::GetJointValues()},
      {"Pen1=20,ROUND,MITTER,RED,X", Status::BadValue, CPlotter::GetColorCodes()},
      {"PenWidthChange=on", Status::BadValue, {"ON", "OFF"}},
      {"Pen33=20,ROUND,MITTER,RED", Status::UnknownKey}}},
};

class CPenSettingsTest : public CPageRulesFixture, public testing::TestWithParam<PenCase> {
protected:
    CPenSettingsTest() : CPageRulesFixture("[HPGLPen]\nPenWidthRange=1,200\n") {}
};

TEST_P(CPenSettingsTest, SavesWholeFile)
{
    const PenCase& param = GetParam();
    CPenSettings page(m_plotter);
    page.Load(Current("[HPGLPen]\n" + param.body));
    if (param.act)
        param.act(page);
    ExpectEdits(page, param.edits, "HPGLPen");
    EXPECT_EQ(SaveAndRead(page), param.saved);
    EXPECT_EQ(m_messages.Ids(), param.messages);
    for (const auto& message : m_messages.Messages())
        EXPECT_TRUE(message.id != kBadWidth || message.text == CMessageService::FormatBounds(kBadWidth, 1, 200))
            << message.text;
}

INSTANTIATE_TEST_SUITE_P(Files, CPenSettingsTest, testing::ValuesIn(kCases), ByCaseName());
}
