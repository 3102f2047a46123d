#include "CProgramPaths.h"

#include "CInstallLayout.h"

#include <filesystem>

std::string CProgramPaths::GetProgramFolder()
{
    std::error_code error;
    const auto exe = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error)
        return "./";
    std::string folder = exe.parent_path().string();
    if (folder.empty() || folder.back() != '/')
        folder += '/';
    return folder;
}

std::string CProgramPaths::GetFallbackFolder()
{
    return CInstallLayout::Current().GetFallbackFolder();
}
