#include "CProgramVersion.h"

#include "CProgramPaths.h"
#include "CResourceModule.h"

#include <cstdio>
#include <filesystem>

namespace {
bool IsProgramFile(const std::string& file)
{
    std::error_code error;
    const auto self = std::filesystem::canonical("/proc/self/exe", error);
    if (error)
        return false;
    if (file == self.filename().string())
        return true;
    const auto given = std::filesystem::canonical(file, error);
    return !error && given == self;
}

// Without readable version information the first release's numbers stand
// in, so that the registry key never loses its suffix.
CProgramVersion::Numbers KnownProgramVersion()
{
    return CProgramVersion::GetProgramVersion().value_or(CProgramVersion::Numbers{1, 0, 0, 0});
}
}

std::optional<std::string> CProgramVersion::GetVersionString(const std::string& file, const std::string& name)
{
    if (IsProgramFile(file))
        return CVersionInfo::Program().GetString(name);
    auto module = CResourceModule::Open(file);
    if (!module)
        return std::nullopt;
    return module->GetVersionInfo().GetString(name);
}

std::optional<CProgramVersion::Numbers> CProgramVersion::ParseVersion(const std::string& text)
{
    Numbers numbers;
    if (std::sscanf(text.c_str(), "%d,%d,%d,%d", &numbers.major, &numbers.minor, &numbers.build,
                    &numbers.revision) != 4)
        return std::nullopt;
    return numbers;
}

std::optional<CProgramVersion::Numbers> CProgramVersion::GetProgramVersion()
{
    const auto text = CVersionInfo::Program().GetString("ProductVersion");
    return text ? ParseVersion(*text) : std::nullopt;
}

std::string CProgramVersion::GetVersionKey()
{
    const Numbers numbers = KnownProgramVersion();
    return std::to_string(numbers.major) + "." + std::to_string(numbers.minor);
}

std::string CProgramVersion::GetVersionText()
{
    const Numbers numbers = KnownProgramVersion();
    return std::to_string(numbers.major) + "." + std::to_string(numbers.minor) + "." + std::to_string(numbers.build);
}

std::string CProgramVersion::ReadRegionCode()
{
    if (const CResourceModule* current = CResourceModule::Current()) {
        const CVersionInfo info = current->GetVersionInfo();
        if (info.HasTranslation())
            return info.GetString("Comments").value_or("");
    }
    return GetVersionString(CProgramPaths::GetFallbackFolder() + "Res.dll", "Comments").value_or("");
}
