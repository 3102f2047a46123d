// The general page's rules: a file read, the user's changes, then the whole file saved.
#include "CGeneralSettings.h"
#include "CPlotter.h"
#include "CProfile.h"
#include "CProfileBatch.h"
#include "CTempDir.h"
#include "CaseNames.h"

#include <gtest/gtest.h>

namespace {
using Status = SettingEdit::Status;
using Strings = std::vector<std::string>;

const std::string kCapabilities = "[OutputTray]\nOutputTray=Top tray;TOP,Rear tray;REAR\n"
                                  "[MediaType]\nMediaType=Plain paper;PLAIN,Film;FILM,Tracing;TRACING\n";

// The whole saved file, in the page's save order.
std::string Saved(const char* source, const char* tray, const char* errorLabel, const char* label,
                  const char* dateLabel, const char* corner, const char* media)
{
    return std::string("[MediaSource]\r\nMediaSource=") + source + "\r\n[OutputTray]\r\nOutputTray=" + tray
           + "\r\n[Label]\r\nErrorLabel=" + errorLabel + "\r\nLabel=" + label + "\r\nDateLabel=" + dateLabel
           + "\r\nLabelLocation=" + corner + "\r\n[MediaType]\r\nMediaType=" + media + "\r\n";
}

struct EditCase {
    std::string edit;  // "Section/Key=VALUE"
    Status status = Status::Applied;
    Strings offered = {};
};

struct SaveCase {
    const char* name;
    std::string file;
    std::string saved;
    std::vector<EditCase> edits = {};
};

// Keys in another order than the page saves them.
const std::string kEveryValue = "[MediaType]\nMediaType=TRACING\n[Label]\nLabelLocation=L_RIGHT\nDateLabel=ON\n"
                                "Label=ON\nErrorLabel=ON\n[OutputTray]\nOutputTray=REAR\n"
                                "[MediaSource]\nMediaSource=MANUAL_FD\n";
const std::string kEveryValueSaved = Saved("MANUAL_FD", "REAR", "ON", "ON", "ON", "L_RIGHT", "TRACING");

const SaveCase kSaveCases[] = {
    {"EmptyFileTakesFallbacks", "", Saved("AUTO", "TOP", "OFF", "OFF", "OFF", "U_LEFT", "PLAIN")},
    {"NoLabelSection",
     "[MediaSource]\nMediaSource=MANUAL_FD\n[OutputTray]\nOutputTray=REAR\n[MediaType]\nMediaType=FILM\n",
     Saved("MANUAL_FD", "REAR", "OFF", "OFF", "OFF", "U_LEFT", "FILM")},
    {"ReadsEveryValueAndSavesInOrder", kEveryValue, kEveryValueSaved},
    {"UnknownValuesTakeFallbacks",
     "[MediaSource]\nMediaSource=manual_fd\n[OutputTray]\nOutputTray=Rear tray\n[Label]\nErrorLabel=on\n"
     "Label=1\nDateLabel=\nLabelLocation=LEFT\n[MediaType]\nMediaType=film\n",
     Saved("AUTO", "TOP", "OFF", "OFF", "OFF", "U_LEFT", "PLAIN")},
    {"EditsAsTheControlsWould", "",
     Saved("MANUAL_FD", "REAR", "OFF", "ON", "OFF", "L_LEFT", "TRACING"),
     {{"MediaSource/MediaSource=MANUAL_FD"},
      {"OutputTray/OutputTray=REAR"},
      {"Label/Label=ON"},
      {"Label/LabelLocation=L_LEFT"},
      {"MediaType/MediaType=TRACING"}}},
    {"RefusesValuesNotOnOffer", kEveryValue, kEveryValueSaved,
     {{"MediaSource/MediaSource=ON", Status::BadValue, {"MANUAL_FD", "AUTO"}},
      {"Label/DateLabel=OFFF", Status::BadValue, {"ON", "OFF"}},
      {"Label/LabelLocation=UPPER_LEFT", Status::BadValue, {"U_LEFT", "U_RIGHT", "L_LEFT", "L_RIGHT"}},
      {"OutputTray/OutputTray=Top tray", Status::BadValue, {"TOP", "REAR"}},
      {"MediaType/MediaType=", Status::BadValue, {"PLAIN", "FILM", "TRACING"}},
      {"Label/MediaType=PLAIN", Status::UnknownKey},
      {"HPGLPen/PenWidthChange=ON", Status::UnknownKey}}},
};

class CGeneralSettingsTest : public testing::TestWithParam<SaveCase> {
protected:
    CGeneralSettingsTest() { m_plotter.LoadConfig("ZC"); }

    void Load(const std::string& file)
    {
        m_current.Open(m_dir.Write("current.prn", file));
        m_page.Load(m_current);
    }

    std::string SaveAndRead()
    {
        CProfileBatch batch(m_dir.File("saved.prn"));
        m_page.Save(batch, m_current.GetPath());
        EXPECT_TRUE(batch.Commit());
        return ReadFileBytes(batch.GetPath());
    }

    CTempDir m_dir;
    CPlotter m_plotter{m_dir.Write("PJLConfig.txt", kCapabilities)};
    CProfile m_current;
    CGeneralSettings m_page{m_plotter};
};

TEST_P(CGeneralSettingsTest, SavesWholeFile)
{
    Load(GetParam().file);
    for (const EditCase& edit : GetParam().edits) {
        const auto slash = edit.edit.find('/');
        const auto equals = edit.edit.find('=');
        const SettingKey key{edit.edit.substr(0, slash), edit.edit.substr(slash + 1, equals - slash - 1)};
        const SettingEdit result = m_page.Edit(key, edit.edit.substr(equals + 1));
        EXPECT_EQ(result.status, edit.status) << edit.edit;
        EXPECT_EQ(result.offered, edit.offered) << edit.edit;
    }
    EXPECT_EQ(SaveAndRead(), GetParam().saved);
}

INSTANTIATE_TEST_SUITE_P(Cases, CGeneralSettingsTest, testing::ValuesIn(kSaveCases), ByCaseName());

// The order of the lines and of the owned keys is pinned by the show and
// copy-through golden files; these list entries are not the first.
TEST_F(CGeneralSettingsTest, LinesShowListLabels)
{
    Load(kEveryValue);
    std::string shown;
    for (const SettingLine& line : m_page.Lines())
        shown += line.key.key + "=" + line.value + (line.display.empty() ? "" : " (" + line.display + ")") + ";";
    EXPECT_EQ(shown, "MediaSource=MANUAL_FD;OutputTray=REAR (Rear tray);ErrorLabel=ON;Label=ON;DateLabel=ON;"
                     "LabelLocation=L_RIGHT;MediaType=TRACING (Tracing);");
}
}
