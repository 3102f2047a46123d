#include "CProgramPaths.h"

#include "ProgramBuildInfo.h"

#include <cstdlib>
#include <filesystem>

namespace {
std::string WithSlash(std::string folder)
{
    if (folder.empty() || folder.back() != '/')
        folder += '/';
    return folder;
}
}

std::string CProgramPaths::GetProgramFolder()
{
    std::error_code error;
    const auto exe = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error)
        return "./";
    return WithSlash(exe.parent_path().string());
}

std::string CProgramPaths::GetFallbackFolder()
{
    const char* override = std::getenv("QX_SENDORA_DATA_DIR");
    return WithSlash(override && *override ? override : build_info::kFallbackFolder);
}
