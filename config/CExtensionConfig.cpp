#include "CExtensionConfig.h"

#include "CInstallLayout.h"
#include "CProfile.h"
#include "CProgramPaths.h"

#include <sys/stat.h>

#include <algorithm>

namespace {
CProfile OpenFile(const std::string& path)
{
    CProfile profile;
    profile.Open(path);
    return profile;
}

bool Exists(const std::string& path)
{
    struct stat info {};
    return stat(path.c_str(), &info) == 0;
}
}

std::string CExtensionConfig::GetPath()
{
    const std::string own = CInstallLayout::Current().GetOwnConfigFolder() + kFileName;
    return Exists(own) ? own : GetShippedPath();
}

std::string CExtensionConfig::GetWritePath()
{
    const CInstallLayout layout = CInstallLayout::Current();
    const std::string ownFolder = layout.GetOwnConfigFolder();
    return ownFolder == layout.GetShippedFolder() ? GetPath() : ownFolder + kFileName;
}

std::string CExtensionConfig::GetShippedPath()
{
    return ResolvePath(CProgramPaths::GetProgramFolder(), CProgramPaths::GetFallbackFolder());
}

std::string CExtensionConfig::ResolvePath(const std::string& programFolder, const std::string& fallbackFolder)
{
    const std::string beside = programFolder + kFileName;
    return Exists(beside) ? beside : fallbackFolder + kFileName;
}

void CExtensionConfig::LoadDataFormats(std::vector<std::string>& formats)
{
    OpenFile(GetPath()).GetKeyNames(kFormatSection, formats);
}

void CExtensionConfig::LoadFormatExtensions(const std::vector<std::string>& formats,
                                            std::vector<std::string>& extensions)
{
    const CProfile profile = OpenFile(GetPath());
    for (std::size_t i = 0; i < formats.size(); ++i) {
        std::string text = profile.GetString(kFormatSection, formats[i], kMissingValue);
        if (text == kMissingValue)
            text.clear();
        const std::size_t at = std::min(i, extensions.size());
        extensions.insert(extensions.begin() + static_cast<std::ptrdiff_t>(at), std::move(text));
    }
}

void CExtensionConfig::SplitExtensions(const std::string& text, std::vector<std::string>& pieces)
{
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t end = std::min(text.find_first_of(".\n", start), text.size());
        if (end > start)
            pieces.push_back(text.substr(start, end - start));
        start = end + 1;
    }
}

int CExtensionConfig::GetMinimumVersionDigit()
{
    int digit = 0;
    OpenFile(GetShippedPath()).Get2nd(kVersionSection, digit);
    return digit;
}
