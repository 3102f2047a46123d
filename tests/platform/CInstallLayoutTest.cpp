#include "CInstallLayout.h"

#include "CProgramPaths.h"
#include "CScopedEnvironment.h"
#include "CTempDir.h"
#include "CaseNames.h"
#include "TestConfig.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>

namespace {
struct LayoutCase {
    const char* name;
    const char* layout;        // QX_SENDORA_LAYOUT
    const char* dataHome;      // XDG_DATA_HOME, nullptr for none
    const char* configHome;    // XDG_CONFIG_HOME, nullptr for none
    // "{tmp}" stands for the test's folder (HOME is its "home/"), "{program}"
    // for the program folder, "{data}" for the build's data folder,
    // "{machine}" for an installation's registry folder.
    const char* settingFolder;
    const char* configFolder;
    const char* machineFolder;
    const char* fallbackFolder;
};

class InstallLayoutTest : public testing::TestWithParam<LayoutCase> {
protected:
    std::optional<std::string> Expanded(const char* text) const
    {
        if (!text)
            return std::nullopt;
        std::string expanded = text;
        const std::pair<std::string, std::string> names[] = {{"{tmp}", m_dir.Path()},
            {"{program}", CProgramPaths::GetProgramFolder()}, {"{data}", test_config::kDataDir},
            {"{machine}", QX_INSTALLED_MACHINE_DIR}};
        for (const auto& [from, to] : names)
            if (const auto at = expanded.find(from); at != std::string::npos)
                expanded.replace(at, from.size(), to);
        return expanded;
    }

    CTempDir m_dir;
    CScopedEnvironment m_home{"HOME", m_dir.File("home")};
    CScopedEnvironment m_dataDir{"QX_SENDORA_DATA_DIR", std::nullopt};
};

// An installation makes the user's own folders when they are asked for.
TEST_P(InstallLayoutTest, PlacesShippedAndOwnFiles)
{
    const auto& param = GetParam();
    CScopedEnvironment layout("QX_SENDORA_LAYOUT", param.layout);
    CScopedEnvironment dataHome("XDG_DATA_HOME", Expanded(param.dataHome));
    CScopedEnvironment configHome("XDG_CONFIG_HOME", Expanded(param.configHome));
    const CInstallLayout current = CInstallLayout::Current();

    EXPECT_EQ(current.GetShippedFolder(), CProgramPaths::GetProgramFolder());
    EXPECT_EQ(current.GetOwnSettingFolder(), Expanded(param.settingFolder));
    EXPECT_EQ(current.GetOwnConfigFolder(), Expanded(param.configFolder));
    EXPECT_EQ(current.GetMachineFolder(), Expanded(param.machineFolder));
    EXPECT_EQ(current.GetFallbackFolder(), Expanded(param.fallbackFolder));
    if (std::string(param.layout) == "installed") {
        EXPECT_TRUE(std::filesystem::is_directory(current.GetOwnSettingFolder()));
        EXPECT_TRUE(std::filesystem::is_directory(current.GetOwnConfigFolder()));
    }
    CScopedEnvironment dataDir("QX_SENDORA_DATA_DIR", "/opt/data");
    EXPECT_EQ(current.GetFallbackFolder(), "/opt/data/");
}

const LayoutCase kLayoutCases[] = {
    {"BuildTree", "build-tree", "{tmp}data", "{tmp}config", "{program}PrinterSetting/", "{program}",
     "/etc/xdg/qx-sendora/", "{data}"},
    {"InstalledFollowsXdg", "installed", "{tmp}data", "{tmp}config", "{tmp}data/qx-sendora/PrinterSetting/",
     "{tmp}config/qx-sendora/", "{machine}", "{program}data/ZC/"},
    {"InstalledBelowHome", "installed", nullptr, nullptr, "{tmp}home/.local/share/qx-sendora/PrinterSetting/",
     "{tmp}home/.config/qx-sendora/", "{machine}", "{program}data/ZC/"},
    {"InstalledIgnoresRelativeXdg", "installed", "data", "config", "{tmp}home/.local/share/qx-sendora/PrinterSetting/",
     "{tmp}home/.config/qx-sendora/", "{machine}", "{program}data/ZC/"},
};

INSTANTIATE_TEST_SUITE_P(Layouts, InstallLayoutTest, testing::ValuesIn(kLayoutCases), ByCaseName());

// Without a choice in the environment, the layout is the one built.
TEST(InstallLayoutChoiceTest, IsTheBuiltOneUnlessNamed)
{
    for (const char* choice : {static_cast<const char*>(nullptr), "", "other"}) {
        CScopedEnvironment layout("QX_SENDORA_LAYOUT", choice ? std::optional<std::string>(choice) : std::nullopt);
        EXPECT_EQ(CInstallLayout::Current().GetMachineFolder(),
                  QX_INSTALLED_LAYOUT_VALUE ? QX_INSTALLED_MACHINE_DIR : "/etc/xdg/qx-sendora/");
    }
}
}
