#include "CSettingFile.h"

#include "CProfile.h"
#include "CProgramPaths.h"
#include "CResourceModule.h"
#include "ResourceIds.h"

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
}

CSettingFile::CSettingFile(std::string folder, std::string fallbackFolder)
    : m_folder(std::move(folder)), m_fallbackFolder(std::move(fallbackFolder))
{
}

std::string CSettingFile::GetDefaultFolder()
{
    return CProgramPaths::GetProgramFolder() + "PrinterSetting/";
}

std::string CSettingFile::GetDefaultFallbackFolder()
{
    return CProgramPaths::GetFallbackFolder();
}

std::vector<std::string> CSettingFile::ListNames() const
{
    std::vector<std::string> names{CResourceModule::LoadString(ResId::kPrinterDefaultsName)};
    std::error_code error;
    for (std::filesystem::directory_iterator it(m_folder, error), end; !error && it != end; it.increment(error)) {
        const auto& file = it->path();
        std::error_code typeError;
        if (!it->is_regular_file(typeError))
            continue;
        if (strcasecmp(file.extension().c_str(), kExtension) == 0)
            names.push_back(file.stem().string());
    }
    return names;
}

CSettingFile::Resolution CSettingFile::Resolve(const std::string& name) const
{
    Resolution result;
    result.usesDefaultSettings = name == CResourceModule::LoadString(ResId::kPrinterDefaultsName);
    result.path = m_folder + (result.usesDefaultSettings ? std::string(kDefaultFileName) : name + kExtension);
    // Listed names are file titles and never hold a "/": such a name is a
    // path given on the command line.
    if (name.find('/') != std::string::npos)
        result.path = name;

    CProfile profile;
    profile.Open(result.path);
    if (profile.GetString("QXSD", "HPPJL Version", kMissingValue) == kMissingValue) {
        result.path = m_fallbackFolder + kDefaultFileName;
        if (!IsRegularFile(result.path))
            return result;
    }
    result.ok = true;
    return result;
}
