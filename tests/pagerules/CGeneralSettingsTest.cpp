// The general page's rules: a file read, the user's changes, then the whole file saved.
#include "CGeneralSettings.h"
#include "CPageRulesFixture.h"
#include "CaseNames.h"

#include <gtest/gtest.h>

namespace {
using Status = SettingEdit::Status;

// The whole saved file, in the page's save order.
std::string Saved(const char* source, const char* tray, const char* errorLabel, const char* label,
                  const char* dateLabel, const char* corner, const char* media)
{
    return std::string("[MediaSource]\r\nMediaSource=") + source + "\r\n[OutputTray]\r\nOutputTray=" + tray
           + "\r\n[Label]\r\nErrorLabel=" + errorLabel + "\r\nLabel=" + label + "\r\nDateLabel=" + dateLabel
           + "\r\nLabelLocation=" + corner + "\r\n[MediaType]\r\nMediaType=" + media + "\r\n";
}

struct SaveCase {
    const char* name;
    std::string file;
    std::string saved;
    std::vector<EditStep> edits = {};
    std::string shown = {};  // the lines, when given
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
    // The lines show the labels of list entries that are not the first.
    {"ReadsEveryValueAndSavesInOrder", kEveryValue, kEveryValueSaved, {},
     "MediaSource=MANUAL_FD;OutputTray=REAR (Rear tray);ErrorLabel=ON;Label=ON;DateLabel=ON;"
     "LabelLocation=L_RIGHT;MediaType=TRACING (Tracing);"},
    {"UnknownValuesTakeFallbacks",
     "[MediaSource]\nMediaSource=manual_fd\n[OutputTray]\nOutputTray=Rear tray\n[Label]\nErrorLabel=on\n"
     "Label=1\nDateLabel=\nLabelLocation=LEFT\n[MediaType]\nMediaType=film\n",
     Saved("AUTO", "TOP", "OFF", "OFF", "OFF", "U_LEFT", "PLAIN")},
    {"EditsAsTheControlsWould", "", Saved("MANUAL_FD", "REAR", "OFF", "ON", "OFF", "L_LEFT", "TRACING"),
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

class CGeneralSettingsTest : public CPageRulesFixture, public testing::TestWithParam<SaveCase> {
protected:
    CGeneralSettingsTest()
        : CPageRulesFixture("[OutputTray]\nOutputTray=Top tray;TOP,Rear tray;REAR\n"
                            "[MediaType]\nMediaType=Plain paper;PLAIN,Film;FILM,Tracing;TRACING\n")
    {
    }
};

TEST_P(CGeneralSettingsTest, SavesWholeFile)
{
    CGeneralSettings page(m_plotter);
    page.Load(Current(GetParam().file));
    if (!GetParam().shown.empty()) {
        EXPECT_EQ(Shown(page), GetParam().shown);
    }
    ExpectEdits(page, GetParam().edits);
    EXPECT_EQ(SaveAndRead(page), GetParam().saved);
}

INSTANTIATE_TEST_SUITE_P(Cases, CGeneralSettingsTest, testing::ValuesIn(kSaveCases), ByCaseName());
}
