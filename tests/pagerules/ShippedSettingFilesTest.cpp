// The shipped setting files load without a message into every page of every
// region's editor, and each key they hold is a value its control offers
// with the shipped capability file.
#include "CMessageRecorder.h"
#include "CPlotter.h"
#include "CProfile.h"
#include "CSettingsEditor.h"
#include "CSettingsPage.h"
#include "CaseNames.h"
#include "TestConfig.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

namespace {
using Tab = CSettingsEditor::Tab;

const std::string kFolder = std::string(test_config::kSourceDir) + "PrinterSetting/";

// default.org and the sample *.prn files.
std::vector<std::string> ShippedSettingFiles()
{
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(kFolder))
        if (entry.path().extension() == ".org" || entry.path().extension() == ".prn")
            names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

class ShippedSettingFilesTest : public testing::TestWithParam<std::string> {};

TEST_P(ShippedSettingFilesTest, EveryPageTakesEveryValueInEveryRegion)
{
    const std::string path = kFolder + GetParam();
    CProfile file;
    file.Open(path);
    CMessageRecorder messages;
    // The region decides the finisher page and which finisher lists are read.
    for (const char* region : {"JP", "AP", "CL", "ZC"}) {
        CPlotter plotter(kFolder + "PJLConfig.txt");
        plotter.LoadConfig(region);
        CSettingsEditor editor(plotter, region, "shipped", path);
        for (const Tab tab : CSettingsEditor::Tabs()) {
            CSettingsPage& page = editor.GetPage(tab);
            page.Load(file);
            for (const SettingKey& key : page.OwnedKeys()) {
                const std::string value = file.GetString(key.section, key.key, kMissingValue);
                EXPECT_EQ(page.Edit(key, value).status, SettingEdit::Status::Applied)
                    << region << " " << key.section << "/" << key.key << "=" << value;
            }
        }
    }
    EXPECT_TRUE(messages.Ids().empty());
}

INSTANTIATE_TEST_SUITE_P(Files, ShippedSettingFilesTest, testing::ValuesIn(ShippedSettingFiles()),
                         [](const auto& info) { return TestNameOf(info.param); });
}
