#include "CSystemFileSystemQuery.h"

#include <sys/stat.h>
#include <sys/statfs.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <fstream>

CSystemFileSystemQuery::CSystemFileSystemQuery(std::string sysRoot)
    : m_sysRoot(std::move(sysRoot))
{
}

std::optional<IFileSystemQuery::Info> CSystemFileSystemQuery::FileSystemOf(const std::string& path) const
{
    struct statfs fs {};
    struct stat info {};
    if (statfs(path.c_str(), &fs) != 0 || stat(path.c_str(), &info) != 0)
        return std::nullopt;
    return Info{static_cast<std::uint32_t>(fs.f_type), major(info.st_dev), minor(info.st_dev)};
}

bool CSystemFileSystemQuery::IsRemovableDevice(unsigned major, unsigned minor) const
{
    std::string device = m_sysRoot + "/dev/block/" + std::to_string(major) + ":" + std::to_string(minor) + "/";
    // A partition carries no flag of its own; its disk is the folder above
    // (".." is resolved from the symbolic link's target).
    if (access((device + "partition").c_str(), F_OK) == 0)
        device += "../";
    std::ifstream flag(device + "removable");
    char value = '0';
    return flag.get(value) && value == '1';
}
