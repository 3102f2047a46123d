// The stamp page's rules: a file read, the user's changes, then the whole file saved and the messages shown.
#include "CMessageService.h"
#include "CPageRulesFixture.h"
#include "CResourceModule.h"
#include "CStampSettings.h"
#include "CaseNames.h"
#include "ResourceIds.h"
#include "SheetFlags.h"

#include <gtest/gtest.h>

#include <functional>

namespace {
using Strings = std::vector<std::string>;
using Status = SettingEdit::Status;
using Axis = CStampSettings::Axis;
constexpr unsigned kAutoPaper = ResId::kStampWithAutoPaperMessage;
constexpr unsigned kBadText = ResId::kBadNumberingTextMessage;

const std::string kCapabilities = "[PaperSizeName]\nStamp=A0,A1,A2\n"
                                  "[Stamp]\nStampNoRange=1,20\nStampDateList=No date;OFF,yyyy/mm/dd;YYYYMMDD\n"
                                  "NumStampNumbering=6\nStampXPositionRange=0,500\nStampYPositionRange=10,300\n"
                                  "StampRotate=0;0,90;90,180;180\n";

// The whole saved file. A numbering "USER:text" saves the text first; rows
// not given are 0,0,0.
std::string Saved(const std::string& id, const std::string& color, const std::string& date,
                  const std::string& numbering, const Strings& rows = {})
{
    std::string text = "[Stamp]\r\nStampID=" + id + "\r\nStampColor=" + color + "\r\nStampDate=" + date + "\r\n";
    if (numbering.starts_with("USER:"))
        text += "StampNumberingString=" + numbering.substr(5) + "\r\nStampNumbering=USER\r\n";
    else
        text += "StampNumbering=" + numbering + "\r\n";
    for (std::size_t row = 0; row < CStampSettings::kPositionCount; ++row)
        text += "StampPositionXYRotate" + std::to_string(row + 1) + "=" +
                (row < rows.size() && !rows[row].empty() ? rows[row] : "0,0,0") + "\r\n";
    return text;
}

const Strings kLocal(CStampSettings::kPositionCount, "LOCAL");
const std::string kUnchanged = Saved("1", "RED", "OFF", "OFF");

struct StampCase {
    const char* name;
    std::string body;  // section "Stamp" of the current file
    std::string saved;
    std::vector<unsigned> messages = {};
    std::vector<EditStep> edits = {};  // of section "Stamp"
    std::function<void(CStampSettings&)> act = {};
    bool paperAuto = false;
    bool stampFlag = false;  // the sheet's, which only a change of the stamp sets
};

const StampCase kCases[] = {
    {"NoStampIdIsOnAtLowerBound", "", kUnchanged},
    {"ReadsEveryValue",
     "StampID=7\nStampColor=GRAY\nStampDate=YYYYMMDD\nStampNumbering=LABEL\nStampNumberingString=X\n"
     "StampPositionXYRotate1=10,20,90\n",
     Saved("7", "GRAY", "YYYYMMDD", "LABEL", {"10,20,90"})},
    {"ZeroNumberWhiteColourAndUnknownDateFallBack", "StampID=0\nStampColor=WHITE\nStampDate=ddmmyyyy\n", kUnchanged},
    {"PositionFieldsTwoThreeFour",
     "StampPositionXYRotate2=10,20\nStampPositionXYRotate3=10,20,90\nStampPositionXYRotate15=5,6,180,X\n",
     Saved("1", "RED", "OFF", "OFF", {"", "", "10,20,90", "", "", "", "", "", "", "", "", "", "", "", "5,6,180"})},
    {"OneLocalRowIsLocalEverywhere", "StampPositionXYRotate1=10,20,90\nStampPositionXYRotate5=LOCAL\n",
     Saved("1", "RED", "OFF", "OFF", kLocal)},
    {"ClearingLocalResetsPositions", "StampPositionXYRotate1=10,20,90\nStampPositionXYRotate5=LOCAL\n", kUnchanged,
     {}, {}, [](CStampSettings& page) { page.SetLocal(false); }},
    // What the controls show of a stamp turned off, a numbering without its text and the printer's own positions.
    {"ShowsWhatTheControlsShow",
     "StampID=OFF\nStampDate=YYYYMMDD\nStampNumbering=USER\nStampPositionXYRotate1=LOCAL\n",
     Saved("OFF", "RED", "YYYYMMDD", "USER:", kLocal), {}, {},
     [](CStampSettings& page) {
         EXPECT_TRUE(!page.IsStampOn() && page.GetStampNumber() == "1" && page.IsNumberingTextEnabled());
         EXPECT_TRUE(page.IsLocal() && page.GetRowName(3) == "A2" && page.GetRowName(4).empty());
         std::string shown;
         for (const SettingLine& line : page.Lines())
             shown += line.display.empty() ? "" : line.key.key + "=" + line.value + " (" + line.display + ");";
         EXPECT_EQ(shown, "StampColor=RED (" + CResourceModule::LoadString(ResId::kRedName) +
                              ");StampDate=YYYYMMDD (yyyy/mm/dd);StampNumbering=USER (" +
                              CStampSettings::GetNumberingName(CStampSettings::Numbering::User) + ");");
     }},
    {"UserNumberingTextBeforeNumbering", "StampNumbering=USER\nStampNumberingString=No \"1\"\n",
     Saved("1", "RED", "OFF", "USER:No \"1\"")},
    {"UserNumberingTextTooLongIsEmpty", "StampNumbering=USER\nStampNumberingString=1234567\n",
     Saved("1", "RED", "OFF", "USER:")},
    {"NumberingTextCheckedAtSaveAndKept", "StampNumbering=USER\nStampNumberingString=A\xC3\xA9\tB\x7F\n",
     Saved("1", "RED", "OFF", "USER:A\xC3\xA9\tB\x7F"), {kBadText, kBadText, kBadText, kBadText}, {},
     [](CStampSettings& page) { EXPECT_FALSE(page.CheckNumberingText()); }},
    {"ControlsWithTheirChecks", "StampID=OFF\n", Saved("20", "GRAY", "YYYYMMDD", "USER:N-1", {"", "500,300,180"}),
     {ResId::kBadStampNumberMessage, ResId::kBadStampNumberMessage, ResId::kBadStampNumberMessage,
      ResId::kBadStampXMessage, ResId::kBadStampYMessage},
     {},
     [](CStampSettings& page) {
         EXPECT_TRUE(page.SetStampOn(true));
         EXPECT_FALSE(page.SetStampNumber("21") || page.SetStampNumber("") || page.SetStampNumber("+3"));
         EXPECT_TRUE(page.SetStampNumber("20"));
         EXPECT_FALSE(page.SetCoordinate(2, Axis::X, "501") || page.SetCoordinate(2, Axis::Y, "9"));
         EXPECT_TRUE(page.SetCoordinate(2, Axis::X, "500") && page.SetCoordinate(2, Axis::Y, "300"));
         page.SetRotation(2, 2);
         page.SetRotation(2, 3);
         page.SetColor(2);
         page.SelectDate(1);
         page.SetNumbering(CStampSettings::Numbering::User);
         page.SetNumberingText("N-1");
     },
     false, true},
    // A position changed under the printer's own positions resets the others.
    {"EditsAsTheControlsWould", "StampID=OFF\nStampPositionXYRotate1=10,20,90\n",
     Saved("5", "BLACK", "YYYYMMDD", "USER:No 1", {"", "", "1,20,90"}), {},
     {{"StampID=5"}, {"StampColor=BLACK"}, {"StampDate=YYYYMMDD"}, {"StampNumbering=USER"},
      {"StampNumberingString=No 1"}, {"StampPositionXYRotate4=LOCAL"}, {"StampPositionXYRotate3=1,20,90"}},
     {}, false, true},
    {"EditsRefusedWithWhatIsOnOffer", "StampPositionXYRotate1=10,20,90\n",
     Saved("1", "RED", "OFF", "OFF", {"10,20,90"}), {},
     {{"StampID=21", Status::BadValue, {"OFF", "1..20"}},
      {"StampID=", Status::BadValue, {"OFF", "1..20"}},
      {"StampColor=WHITE", Status::BadValue, {"BLACK", "RED", "GRAY"}},
      {"StampDate=ddmmyyyy", Status::BadValue, {"OFF", "YYYYMMDD"}},
      {"StampNumbering=NUMBER", Status::BadValue, {"OFF", "LABEL", "USER"}},
      {"StampNumberingString=a\"b", Status::BadValue, {"a text of up to 6 characters with codes 32 to 127 and no double quote (\")"}},
      {"StampNumberingString=1234567", Status::BadValue, {"a text of up to 6 characters with codes 32 to 127 and no double quote (\")"}},
      {"StampPositionXYRotate2=501,20,90", Status::BadValue, {"0..500"}},
      {"StampPositionXYRotate2=1,9,90", Status::BadValue, {"10..300"}},
      {"StampPositionXYRotate2=1,20", Status::BadValue, {"0", "90", "180"}},
      {"StampPositionXYRotate2=1,20,90,0", Status::BadValue, {"0", "90", "180"}},
      {"StampPositionXYRotate16=LOCAL", Status::UnknownKey}, {"PenWidthChange=ON", Status::UnknownKey}}},
    // Neither the check nor an edit turns the stamp on.
    {"StampRefusedWithAutoPaper", "StampID=OFF\n", Saved("OFF", "RED", "OFF", "OFF"), {kAutoPaper, kAutoPaper},
     {{"StampID=3", Status::BadValue, {"OFF"}}}, [](CStampSettings& page) { EXPECT_FALSE(page.SetStampOn(true)); },
     true},
};

class CStampSettingsTest : public CPageRulesFixture, public testing::TestWithParam<StampCase> {
protected:
    CStampSettingsTest() : CPageRulesFixture(kCapabilities) {}
};

TEST_P(CStampSettingsTest, SavesWholeFile)
{
    const StampCase& param = GetParam();
    SheetFlags flags{false, param.paperAuto};
    CStampSettings page(m_plotter, flags);
    page.Load(Current("[Stamp]\n" + param.body));
    if (param.act)
        param.act(page);
    ExpectEdits(page, param.edits, "Stamp");
    EXPECT_EQ(SaveAndRead(page), param.saved);
    EXPECT_EQ(m_messages.Ids(), param.messages);
    EXPECT_EQ(flags.stampOn, param.stampFlag);
    for (const auto& message : m_messages.Messages())
        EXPECT_TRUE(message.id != ResId::kBadStampYMessage ||
                    message.text == CMessageService::FormatBounds(message.id, 10, 300));
}

INSTANTIATE_TEST_SUITE_P(Files, CStampSettingsTest, testing::ValuesIn(kCases), ByCaseName());
}
