#include "CColorSettings.h"
#include "CPlotter.h"
#include "CProfile.h"
#include "CProfileBatch.h"
#include "CTempDir.h"
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

// "on" or "off" clicks the check; "Key=VALUE" edits a key.
SettingEdit Act(CColorSettings& page, const std::string& act)
{
    if (act == "on" || act == "off")
        page.SetConversion(act == "on");
    else if (const auto equals = act.find('='); equals != std::string::npos)
        return page.Edit({"Color", act.substr(0, equals)}, act.substr(equals + 1));
    return {};
}

const std::string kFull = Saved("RED", "RRRWWWBB", "WRRRRRRR");
const std::string kOff =
    "[Color]\nRasterColor=WHITE\nVectorDrawingColorWhite=OFF\nRasterDrawingColorWhite=RED\nRasterDrawingColorCyan=WHITE\n";

struct SaveCase {
    const char* name;
    std::string file;
    std::string act;
    std::string saved;
    Status status = Status::Applied;
    std::vector<std::string> offered = {};
};

class CColorSettingsTest : public testing::TestWithParam<SaveCase> {
protected:
    CColorSettingsTest() { m_plotter.LoadConfig("ZC"); }

    CColorSettings Loaded(const std::string& file)
    {
        CColorSettings page(m_plotter);
        m_current.Open(m_dir.Write("current.prn", file));
        page.Load(m_current);
        return page;
    }

    CTempDir m_dir;
    CPlotter m_plotter{m_dir.File("none.ini")};
    CProfile m_current;
};

TEST_P(CColorSettingsTest, SavesWholeSection)
{
    CColorSettings page = Loaded(GetParam().file);
    const SettingEdit edit = Act(page, GetParam().act);
    EXPECT_EQ(edit.status, GetParam().status);
    EXPECT_EQ(edit.offered, GetParam().offered);
    CProfileBatch batch(m_dir.File("saved.prn"));
    page.Save(batch, m_current.GetPath());
    ASSERT_TRUE(batch.Commit());
    EXPECT_EQ(ReadFileBytes(batch.GetPath()), GetParam().saved);
}

const SaveCase kSaveCases[] = {
    {"OffWritesSixteenOff", kOff, "", Saved("WHITE", "--------", "--------")},
    {"SwitchMissingIsOnAndMissingCellsBlack", "[Color]\nRasterDrawingColorRed=RED\nVectorDrawingColorCyan=WHITE\n", "",
     Saved("BLACK", "BBBBBBBW", "BBRBBBBB")},
    {"UnknownTextsAsBlack", "[Color]\nRasterColor=GRAY\nVectorDrawingColorWhite=white\nVectorDrawingColorRed=Red\n", "",
     Saved("BLACK", "BBBBBBBB", "BBBBBBBB")},
    {"TurningOnResetsTable", kFull, "on", Saved("RED", "WBBBBBBB", "WBBBBBBB")},
    {"EditRasterColor", kFull, "RasterColor=WHITE", Saved("WHITE", "RRRWWWBB", "WRRRRRRR")},
    {"EditCellKeepsOthers", kFull, "RasterDrawingColorCyan=BLACK", Saved("RED", "RRRWWWBB", "WRRRRRRB")},
    {"EditCellWhileOffTurnsOnFirst", kOff, "VectorDrawingColorGreen=RED", Saved("WHITE", "WBBRBBBB", "WBBBBBBB")},
    {"EditOffTurnsAllOff", kFull, "RasterDrawingColorBlue=OFF", Saved("RED", "--------", "--------")},
    {"RasterColorOffRefused", kFull, "RasterColor=OFF", kFull, Status::BadValue, {"WHITE", "BLACK", "RED"}},
    {"CellOffersTheColoursAndOff", kFull, "VectorDrawingColorRed=GRAY", kFull, Status::BadValue,
     {"WHITE", "BLACK", "RED", "OFF"}},
    {"OtherKeyUnknown", kFull, "PenColor1=RED", kFull, Status::UnknownKey},
};
INSTANTIATE_TEST_SUITE_P(Cases, CColorSettingsTest, testing::ValuesIn(kSaveCases), ByCaseName());
}
