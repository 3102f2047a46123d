#include "CDriveType.h"

#include "CSystemFileSystemQuery.h"

#include <linux/magic.h>

#include <algorithm>
#include <array>

namespace {
// statfs magic numbers; those missing from linux/magic.h are the file
// systems' own.
constexpr std::array<std::uint32_t, 15> kRemoteTypes = {
    NFS_SUPER_MAGIC, SMB_SUPER_MAGIC, CIFS_SUPER_MAGIC, SMB2_SUPER_MAGIC, CODA_SUPER_MAGIC,
    AFS_SUPER_MAGIC, AFS_FS_MAGIC,    CEPH_SUPER_MAGIC, V9FS_MAGIC,       NCP_SUPER_MAGIC,
    OCFS2_SUPER_MAGIC,
    0x01161970,  // GFS2
    0x0BD00BD0,  // Lustre
    0x47504653,  // GPFS
    0x20030528,  // OrangeFS (PVFS2)
};
constexpr std::array<std::uint32_t, 2> kOpticalTypes = {ISOFS_SUPER_MAGIC, UDF_SUPER_MAGIC};
constexpr std::array<std::uint32_t, 2> kRamTypes = {TMPFS_MAGIC, RAMFS_MAGIC};

template <std::size_t N>
bool IsOneOf(std::uint32_t type, const std::array<std::uint32_t, N>& types)
{
    return std::find(types.begin(), types.end(), type) != types.end();
}
}

CDriveType::Kind CDriveType::Classify(const std::string& path, const IFileSystemQuery& query)
{
    const auto info = query.FileSystemOf(path);
    // Where a FUSE file system keeps its data (a server, a device, an
    // archive) cannot be told, so its files count as undetermined.
    if (!info || info->type == FUSE_SUPER_MAGIC)
        return Kind::Undetermined;
    if (IsOneOf(info->type, kRemoteTypes))
        return Kind::Remote;
    if (IsOneOf(info->type, kOpticalTypes))
        return Kind::Optical;
    if (IsOneOf(info->type, kRamTypes))
        return Kind::RamDisk;
    return query.IsRemovableDevice(info->major, info->minor) ? Kind::Removable : Kind::Fixed;
}

bool CDriveType::NeedsCopy(Kind kind)
{
    return kind != Kind::Fixed && kind != Kind::RamDisk;
}

bool CDriveType::NeedsCopy(const std::string& path, const IFileSystemQuery& query)
{
    return NeedsCopy(Classify(path, query));
}

const IFileSystemQuery& CDriveType::SystemQuery()
{
    static const CSystemFileSystemQuery query;
    return query;
}
