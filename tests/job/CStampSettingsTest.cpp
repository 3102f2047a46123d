// The stamp page's rules: a file read, the user's changes, then the whole file saved and the messages shown.
#include "CMessageRecorder.h"
#include "CMessageService.h"
#include "CPlotter.h"
#include "CProfile.h"
#include "CProfileBatch.h"
#include "CStampSettings.h"
#include "CTempDir.h"
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

using Action = std::function<void(CStampSettings&)>;

// "Key=VALUE" as the command line edits it, with the outcome expected.
struct EditStep {
    std::string edit;
    Status status = Status::Applied;
    Strings offered = {};
};

Action Edits(std::vector<EditStep> steps)
{
    return [=](CStampSettings& page) {
        for (const auto& [edit, status, offered] : steps) {
            const auto equals = edit.find('=');
            const SettingEdit result = page.Edit({"Stamp", edit.substr(0, equals)}, edit.substr(equals + 1));
            EXPECT_EQ(result.status, status) << edit;
            EXPECT_EQ(result.offered, offered) << edit;
        }
    };
}

struct StampCase {
    const char* name;
    std::string body;  // section "Stamp" of the current file
    Action act;
    std::string saved;
    std::vector<unsigned> messages = {};
    bool paperAuto = false;
    bool stampFlag = false;  // the sheet's, which only a change of the stamp sets
};

const StampCase kCases[] = {
    {"NoStampIdIsOnAtLowerBound", "", {}, kUnchanged},
    {"ReadsEveryValue",
     "StampID=7\nStampColor=GRAY\nStampDate=YYYYMMDD\nStampNumbering=LABEL\nStampNumberingString=X\n"
     "StampPositionXYRotate1=10,20,90\n",
     {}, Saved("7", "GRAY", "YYYYMMDD", "LABEL", {"10,20,90"})},
    {"ZeroNumberWhiteColourAndUnknownDateFallBack", "StampID=0\nStampColor=WHITE\nStampDate=ddmmyyyy\n", {},
     kUnchanged},
    {"PositionFieldsTwoThreeFour",
     "StampPositionXYRotate2=10,20\nStampPositionXYRotate3=10,20,90\nStampPositionXYRotate15=5,6,180,X\n", {},
     Saved("1", "RED", "OFF", "OFF", {"", "", "10,20,90", "", "", "", "", "", "", "", "", "", "", "", "5,6,180"})},
    {"OneLocalRowIsLocalEverywhere", "StampPositionXYRotate1=10,20,90\nStampPositionXYRotate5=LOCAL\n", {},
     Saved("1", "RED", "OFF", "OFF", kLocal)},
    {"ClearingLocalResetsPositions", "StampPositionXYRotate1=10,20,90\nStampPositionXYRotate5=LOCAL\n",
     [](CStampSettings& page) { page.SetLocal(false); }, kUnchanged},
    {"StampRefusedWithAutoPaper", "StampID=OFF\n", [](CStampSettings& page) { EXPECT_FALSE(page.SetStampOn(true)); },
     Saved("OFF", "RED", "OFF", "OFF"), {kAutoPaper}, true},
    {"UserNumberingTextBeforeNumbering", "StampNumbering=USER\nStampNumberingString=No \"1\"\n", {},
     Saved("1", "RED", "OFF", "USER:No \"1\"")},
    {"UserNumberingTextTooLongIsEmpty", "StampNumbering=USER\nStampNumberingString=1234567\n", {},
     Saved("1", "RED", "OFF", "USER:")},
    {"NumberingTextCheckedAtSaveAndKept", "StampNumbering=USER\nStampNumberingString=A\xC3\xA9\tB\x7F\n",
     [](CStampSettings& page) { EXPECT_FALSE(page.CheckNumberingText()); },
     Saved("1", "RED", "OFF", "USER:A\xC3\xA9\tB\x7F"), {kBadText, kBadText, kBadText, kBadText}},
    {"ControlsWithTheirChecks", "StampID=OFF\n",
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
     Saved("20", "GRAY", "YYYYMMDD", "USER:N-1", {"", "500,300,180"}),
     {ResId::kBadStampNumberMessage, ResId::kBadStampNumberMessage, ResId::kBadStampNumberMessage,
      ResId::kBadStampXMessage, ResId::kBadStampYMessage}, false, true},
    // A position changed under the printer's own positions resets the others.
    {"EditsAsTheControlsWould", "StampID=OFF\nStampPositionXYRotate1=10,20,90\n",
     Edits({{"StampID=5"}, {"StampColor=BLACK"}, {"StampDate=YYYYMMDD"}, {"StampNumbering=USER"},
            {"StampNumberingString=No 1"}, {"StampPositionXYRotate4=LOCAL"}, {"StampPositionXYRotate3=1,20,90"}}),
     Saved("5", "BLACK", "YYYYMMDD", "USER:No 1", {"", "", "1,20,90"}), {}, false, true},
    {"EditsRefusedWithWhatIsOnOffer", "StampPositionXYRotate1=10,20,90\n",
     Edits({{"StampID=21", Status::BadValue, {"OFF", "1..20"}},
            {"StampID=", Status::BadValue, {"OFF", "1..20"}},
            {"StampColor=WHITE", Status::BadValue, {"BLACK", "RED", "GRAY"}},
            {"StampDate=ddmmyyyy", Status::BadValue, {"OFF", "YYYYMMDD"}},
            {"StampNumbering=NUMBER", Status::BadValue, {"OFF", "LABEL", "USER"}},
            {"StampNumberingString=a\"b", Status::BadValue, {"up to 6 characters 32..127 but \""}},
            {"StampNumberingString=1234567", Status::BadValue, {"up to 6 characters 32..127 but \""}},
            {"StampPositionXYRotate2=501,20,90", Status::BadValue, {"0..500"}},
            {"StampPositionXYRotate2=1,9,90", Status::BadValue, {"10..300"}},
            {"StampPositionXYRotate2=1,20", Status::BadValue, {"0", "90", "180"}},
            {"StampPositionXYRotate2=1,20,90,0", Status::BadValue, {"0", "90", "180"}},
            {"StampPositionXYRotate16=LOCAL", Status::UnknownKey}, {"PenWidthChange=ON", Status::UnknownKey}}),
     Saved("1", "RED", "OFF", "OFF", {"10,20,90"})},
    {"EditStampRefusedWithAutoPaper", "StampID=OFF\n", Edits({{"StampID=3", Status::BadValue, {"OFF"}}}),
     Saved("OFF", "RED", "OFF", "OFF"), {kAutoPaper}, true},
};

class CStampSettingsTest : public testing::TestWithParam<StampCase> {
protected:
    CStampSettingsTest() { m_plotter.LoadConfig("ZC"); }

    void Load(const std::string& body)
    {
        m_current.Open(m_dir.Write("current.prn", "[Stamp]\n" + body));
        m_page.Load(m_current);
    }

    std::string SaveAndRead(const std::string& name = "saved.prn")
    {
        CProfileBatch batch(m_dir.File(name));
        m_page.Save(batch, m_current.GetPath());
        EXPECT_TRUE(batch.Commit());
        return ReadFileBytes(batch.GetPath());
    }

    CTempDir m_dir;
    CMessageRecorder m_messages;
    CPlotter m_plotter{m_dir.Write("PJLConfig.txt", kCapabilities)};
    CProfile m_current;
    SheetFlags m_flags;
    CStampSettings m_page{m_plotter, m_flags};
};

TEST_P(CStampSettingsTest, SavesWholeFile)
{
    const StampCase& param = GetParam();
    m_flags.paperAuto = param.paperAuto;
    Load(param.body);
    if (param.act)
        param.act(m_page);
    EXPECT_EQ(SaveAndRead(), param.saved);
    EXPECT_EQ(m_messages.Ids(), param.messages);
    EXPECT_EQ(m_flags.stampOn, param.stampFlag);
    for (const auto& message : m_messages.Messages())
        EXPECT_TRUE(message.id != ResId::kBadStampYMessage ||
                    message.text == CMessageService::FormatBounds(message.id, 10, 300));
}

INSTANTIATE_TEST_SUITE_P(Files, CStampSettingsTest, testing::ValuesIn(kCases), ByCaseName());

TEST_F(CStampSettingsTest, ShowsWhatTheControlsShow)
{
    Load("StampID=OFF\nStampDate=YYYYMMDD\nStampNumbering=USER\nStampPositionXYRotate1=LOCAL\n");
    EXPECT_TRUE(!m_page.IsStampOn() && m_page.GetStampNumber() == "1" && m_page.IsNumberingTextEnabled());
    EXPECT_TRUE(m_page.IsLocal() && m_page.GetRowName(3) == "A2" && m_page.GetRowName(4).empty());
    std::string shown;
    for (const SettingLine& line : m_page.Lines())
        shown += line.display.empty() ? "" : line.key.key + "=" + line.value + " (" + line.display + ");";
    EXPECT_EQ(shown, "StampColor=RED (" + m_plotter.GetStampColorNames()[1] + ");StampDate=YYYYMMDD (yyyy/mm/dd);" +
                         "StampNumbering=USER (" + CStampSettings::GetNumberingName(CStampSettings::Numbering::User) +
                         ");");
}

// A page never shown copies its keys in its own order into another file,
// and leaves its own file alone.
TEST_F(CStampSettingsTest, CopiesThroughWhenNeverShown)
{
    m_current.Open(m_dir.Write("current.prn", "[Stamp]\nStampPositionXYRotate2=x\nStampColor=WHITE\n"));
    std::string copied = "[Stamp]\r\n";
    for (const SettingKey& key : m_page.OwnedKeys()) {
        const bool given = key.key == "StampColor" || key.key == "StampPositionXYRotate2";
        copied += key.key + "=" + (given ? m_current.GetString("Stamp", key.key, {}) : kMissingValue) + "\r\n";
    }
    EXPECT_EQ(SaveAndRead(), copied);
    EXPECT_EQ(SaveAndRead("current.prn"), "[Stamp]\nStampPositionXYRotate2=x\nStampColor=WHITE\n");
    EXPECT_EQ(m_page.OwnedKeys().at(3).key + "," + m_page.OwnedKeys().at(4).key + "," + m_page.OwnedKeys().back().key,
              "StampNumbering,StampNumberingString,StampPositionXYRotate15");
}
}
