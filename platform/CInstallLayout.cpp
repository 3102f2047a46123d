#include "CInstallLayout.h"

#include "CProgramPaths.h"
#include "ProgramBuildInfo.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>

namespace {
constexpr const char* kProgramName = "qx-sendora/";

std::string Environment(const char* name)
{
    const char* value = std::getenv(name);
    return value ? value : "";
}

std::string WithSlash(std::string folder)
{
    if (folder.empty() || folder.back() != '/')
        folder += '/';
    return folder;
}

std::string HomeFolder()
{
    const std::string home = Environment("HOME");
    if (!home.empty())
        return home;
    const passwd* entry = getpwuid(getuid());
    return entry && entry->pw_dir ? entry->pw_dir : "";
}

// An XDG base folder of the user; relative settings are to be ignored.
std::string UserBaseFolder(const char* variable, const char* defaultBelowHome)
{
    const std::string folder = Environment(variable);
    if (!folder.empty() && folder.front() == '/')
        return WithSlash(folder);
    return HomeFolder() + defaultBelowHome;
}

std::string Made(const std::string& folder)
{
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    return folder;
}

CInstallLayout::Kind ChosenKind()
{
    const std::string chosen = Environment("QX_SENDORA_LAYOUT");
    if (chosen == "installed")
        return CInstallLayout::Kind::Installed;
    if (chosen == "build-tree")
        return CInstallLayout::Kind::BuildTree;
    return build_info::kInstalledLayout ? CInstallLayout::Kind::Installed : CInstallLayout::Kind::BuildTree;
}
}

CInstallLayout CInstallLayout::Current()
{
    return CInstallLayout(ChosenKind());
}

CInstallLayout::CInstallLayout(Kind kind)
    : m_kind(kind)
{
}

std::string CInstallLayout::GetShippedFolder() const
{
    return CProgramPaths::GetProgramFolder();
}

std::string CInstallLayout::GetFallbackFolder() const
{
    const std::string override = Environment("QX_SENDORA_DATA_DIR");
    if (!override.empty())
        return WithSlash(override);
    if (m_kind == Kind::Installed)
        return GetShippedFolder() + build_info::kInstalledDataFolder;
    return WithSlash(build_info::kFallbackFolder);
}

std::string CInstallLayout::GetOwnSettingFolder() const
{
    if (m_kind == Kind::BuildTree)
        return GetShippedFolder() + "PrinterSetting/";
    return Made(GetUserDataFolder() + "PrinterSetting/");
}

std::string CInstallLayout::GetOwnConfigFolder() const
{
    if (m_kind == Kind::BuildTree)
        return GetShippedFolder();
    return Made(GetUserConfigFolder());
}

std::string CInstallLayout::GetMachineFolder() const
{
    return m_kind == Kind::Installed ? build_info::kInstalledMachineFolder : build_info::kBuildTreeMachineFolder;
}

std::string CInstallLayout::GetUserConfigFolder()
{
    return UserBaseFolder("XDG_CONFIG_HOME", "/.config/") + kProgramName;
}

std::string CInstallLayout::GetUserDataFolder()
{
    return UserBaseFolder("XDG_DATA_HOME", "/.local/share/") + kProgramName;
}
