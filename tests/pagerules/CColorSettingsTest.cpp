#include "CColorSettings.h"
#include "CPageRulesFixture.h"
#include "CaseNames.h"

#include <gtest/gtest.h>

namespace {
using Status = SettingEdit::Status;

// A saved section; cells are W, B, R, or - for "OFF", in source-colour order.
std::string Saved(const std::string& rasterColor, const std::string& vector, const std::string& raster)
{
    static const char* const sources[] = {"White", "Black", "Red", "Green", "Blue", "Yellow", "Magenta", "Cyan"};
    std::string text = "[Color]\r\nRasterColor=" + rasterColor + "\r\n";
    for (const auto& [prefix, cells] : {std::pair{"Vector", vector}, std::pair{"Raster", raster}})
        for (int source = 0; source < 8; ++source) {
            const char cell = cells[source];
            const char* value = cell == 'W' ? "WHITE" : cell == 'B' ? "BLACK" : cell == 'R' ? "RED" : "OFF";
            text += std::string(prefix) + "DrawingColor" + sources[source] + "=" + value + "\r\n";
        }
    return text;
}

const std::string kFull = Saved("RED", "RRRWWWBB", "WRRRRRRR");
const std::string kOff =
    "[Color]\nRasterColor=WHITE\nVectorDrawingColorWhite=OFF\nRasterDrawingColorWhite=RED\nRasterDrawingColorCyan=WHITE\n";

struct SaveCase {
    const char* name;
    std::string file;
    std::vector<EditStep> edits;  // of section "Color", after the check when turnedOn
    std::string saved;
    bool turnedOn = false;
};

class CColorSettingsTest : public CPageRulesFixture, public testing::TestWithParam<SaveCase> {
protected:
    CColorSettingsTest() : CPageRulesFixture("") {}
};

TEST_P(CColorSettingsTest, SavesWholeSection)
{
    CColorSettings page(m_plotter);
    page.Load(Current(GetParam().file));
    if (GetParam().turnedOn)
        page.SetConversion(true);
    ExpectEdits(page, GetParam().edits, "Color");
    EXPECT_EQ(SaveAndRead(page), GetParam().saved);
}

const SaveCase kSaveCases[] = {
    {"OffWritesSixteenOff", kOff, {}, Saved("WHITE", "--------", "--------")},
    {"SwitchMissingIsOnAndMissingCellsBlack", "[Color]\nRasterDrawingColorRed=RED\nVectorDrawingColorCyan=WHITE\n", {},
     Saved("BLACK", "BBBBBBBW", "BBRBBBBB")},
    {"UnknownTextsAsBlack", "[Color]\nRasterColor=GRAY\nVectorDrawingColorWhite=white\nVectorDrawingColorRed=Red\n", {},
     Saved("BLACK", "BBBBBBBB", "BBBBBBBB")},
    {"TurningOnResetsTable", kFull, {}, Saved("RED", "WBBBBBBB", "WBBBBBBB"), true},
    {"EditRasterColor", kFull, {{"RasterColor=WHITE"}}, Saved("WHITE", "RRRWWWBB", "WRRRRRRR")},
    {"EditCellKeepsOthers", kFull, {{"RasterDrawingColorCyan=BLACK"}}, Saved("RED", "RRRWWWBB", "WRRRRRRB")},
    {"EditCellWhileOffTurnsOnFirst", kOff, {{"VectorDrawingColorGreen=RED"}}, Saved("WHITE", "WBBRBBBB", "WBBBBBBB")},
    {"EditOffTurnsAllOff", kFull, {{"RasterDrawingColorBlue=OFF"}}, Saved("RED", "--------", "--------")},
    {"RefusesWhatIsNotOnOffer", kFull,
     {{"RasterColor=OFF", Status::BadValue, {"WHITE", "BLACK", "RED"}},
      {"VectorDrawingColorRed=GRAY", Status::BadValue, {"WHITE", "BLACK", "RED", "OFF"}},
      {"PenColor1=RED", Status::UnknownKey}},
     kFull},
};
INSTANTIATE_TEST_SUITE_P(Cases, CColorSettingsTest, testing::ValuesIn(kSaveCases), ByCaseName());
}
