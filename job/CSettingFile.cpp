#include "CSettingFile.h"

#include "CInstallLayout.h"
#include "CProfile.h"
#include "CProgramPaths.h"
#include "CResourceModule.h"
#include "ResourceIds.h"

#include <algorithm>
#include <filesystem>
#include <strings.h>

namespace {
constexpr const char* kDefaultFileName = "default.org";
constexpr const char* kExtension = ".prn";

bool IsRegularFile(const std::string& path)
{
    std::error_code error;
    return std::filesystem::is_regular_file(path, error);
}

// Appends the titles of the folder's "*.prn" files, leaving out those in
// "listed".
void AddTitles(const std::string& folder, std::vector<std::string>& names, const std::vector<std::string>& listed = {})
{
    std::error_code error;
    for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        const auto& file = it->path();
        std::error_code typeError;
        if (!it->is_regular_file(typeError) || strcasecmp(file.extension().c_str(), kExtension) != 0)
            continue;
        if (std::find(listed.begin(), listed.end(), file.stem().string()) == listed.end())
            names.push_back(file.stem().string());
    }
}
}

CSettingFile::CSettingFile()
    : CSettingFile(GetDefaultFolder(), CInstallLayout::Current().GetShippedFolder() + "PrinterSetting/",
                   GetDefaultFallbackFolder())
{
}

CSettingFile::CSettingFile(std::string folder, std::string fallbackFolder)
    : CSettingFile(folder, folder, std::move(fallbackFolder))
{
}

CSettingFile::CSettingFile(std::string folder, std::string shippedFolder, std::string fallbackFolder)
    : m_folder(std::move(folder)), m_shippedFolder(std::move(shippedFolder)), m_fallbackFolder(std::move(fallbackFolder))
{
}

std::string CSettingFile::GetDefaultFolder()
{
    return CInstallLayout::Current().GetOwnSettingFolder();
}

std::string CSettingFile::GetDefaultFallbackFolder()
{
    return CProgramPaths::GetFallbackFolder();
}

std::vector<std::string> CSettingFile::ListNames() const
{
    std::vector<std::string> names{CResourceModule::LoadString(ResId::kPrinterDefaultsName)};
    AddTitles(m_shippedFolder, names);
    if (m_folder != m_shippedFolder)
        AddTitles(m_folder, names, std::vector<std::string>(names.begin() + 1, names.end()));
    return names;
}

CSettingFile::Resolution CSettingFile::Resolve(const std::string& name) const
{
    Resolution result;
    result.usesDefaultSettings = name == CResourceModule::LoadString(ResId::kPrinterDefaultsName);
    result.path = PathOf(name, result.usesDefaultSettings);

    CProfile profile;
    profile.Open(result.path);
    if (profile.GetString("QXSD", "HPPJL Version", kMissingValue) == kMissingValue) {
        // A chosen setting is never replaced by the printer defaults: a job
        // would carry factory values under the chosen name.
        if (!result.usesDefaultSettings)
            return result;
        result.path = m_fallbackFolder + kDefaultFileName;
        if (!IsRegularFile(result.path))
            return result;
    }
    result.ok = true;
    return result;
}

std::string CSettingFile::PathOf(const std::string& name, bool defaults) const
{
    // Listed names are file titles and never hold a "/": such a name is a
    // path given on the command line.
    if (name.find('/') != std::string::npos)
        return name;
    if (defaults)
        return m_shippedFolder + kDefaultFileName;
    const std::string own = m_folder + name + kExtension;
    return IsRegularFile(own) ? own : m_shippedFolder + name + kExtension;
}
