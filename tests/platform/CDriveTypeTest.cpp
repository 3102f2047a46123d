#include "CDriveType.h"

#include "CFakeFileSystemQuery.h"
#include "CSystemFileSystemQuery.h"
#include "CTempDir.h"
#include "CaseNames.h"

#include <gtest/gtest.h>

#include <sys/statfs.h>

#include <filesystem>
#include <set>
#include <tuple>

namespace {
using Kind = CDriveType::Kind;
using Fake = CFakeFileSystemQuery;

struct DriveCase {
    const char* name;
    std::uint32_t type;
    bool removable;
    bool known;
    Kind kind;
    bool copied;
};

class DriveTypeTest : public testing::TestWithParam<DriveCase> {};

TEST_P(DriveTypeTest, OnlyLocalFixedAndRamDisksAreSentInPlace)
{
    const DriveCase& c = GetParam();
    const Fake query(c.type, c.removable, c.known);
    EXPECT_EQ(CDriveType::Classify("/any/file.plt", query), c.kind);
    EXPECT_EQ(CDriveType::NeedsCopy("/any/file.plt", query), c.copied);
}

INSTANTIATE_TEST_SUITE_P(
    Drives, DriveTypeTest,
    testing::Values(DriveCase{"LocalDisk", Fake::kExt4, false, true, Kind::Fixed, false},
                    DriveCase{"UsbStick", Fake::kVfat, true, true, Kind::Removable, true},
                    DriveCase{"RemovableExt4", Fake::kExt4, true, true, Kind::Removable, true},
                    DriveCase{"Nfs", Fake::kNfs, false, true, Kind::Remote, true},
                    DriveCase{"CdRom", Fake::kIso9660, true, true, Kind::Optical, true},
                    DriveCase{"Sshfs", Fake::kFuse, false, true, Kind::Undetermined, true},
                    DriveCase{"Tmpfs", Fake::kTmpfs, false, true, Kind::RamDisk, false},
                    DriveCase{"NoAnswer", Fake::kExt4, false, false, Kind::Undetermined, true}), ByCaseName());

// A sysfs laid out as the kernel does: /sys/dev/block/M:m links into the
// device tree, partitions are folders inside their disk's folder.
TEST(RemovableFlagTest, PartitionsTakeTheFlagOfTheirDisk)
{
    CTempDir sys;
    std::filesystem::create_directories(sys.File("dev/block"));
    const auto link = [&](const std::string& target, unsigned minor) {
        std::filesystem::create_directory_symlink("../../" + target, sys.File("dev/block/8:" + std::to_string(minor)));
    };
    const std::tuple<std::string, std::string, unsigned> disks[] = {{"sda", "0", 0}, {"sdb", "1\n", 16}};
    for (const auto& [disk, flag, minor] : disks) {
        const std::string folder = "devices/pci0000:00/usb1/block/" + disk + "/";
        sys.Write(folder + "removable", flag);
        sys.Write(folder + disk + "1/partition", "1\n");
        link(folder, minor);
        link(folder + disk + "1", minor + 1);
    }
    const CSystemFileSystemQuery query(sys.Path().substr(0, sys.Path().size() - 1));
    EXPECT_FALSE(query.IsRemovableDevice(8, 0));
    EXPECT_FALSE(query.IsRemovableDevice(8, 1));
    EXPECT_TRUE(query.IsRemovableDevice(8, 16));
    EXPECT_TRUE(query.IsRemovableDevice(8, 17));
    EXPECT_FALSE(query.IsRemovableDevice(0, 42));
}

// The file system type of a path on this machine; 0 when it cannot be asked.
std::uint32_t TypeOf(const std::string& path)
{
    struct statfs fs {};
    return statfs(path.c_str(), &fs) == 0 ? static_cast<std::uint32_t>(fs.f_type) : 0;
}

TEST(DriveTypeSystemTest, FileOnThisMachinesLocalDiskIsSentInPlace)
{
    CTempDir dir;
    const std::string file = dir.Write("local.plt", "IN;");
    // ext2/3/4, XFS, Btrfs, overlay, tmpfs: the kinds a build machine has.
    const std::set<std::uint32_t> local = {Fake::kExt4, 0x58465342, 0x9123683E, 0x794C7630, Fake::kTmpfs};
    if (!local.contains(TypeOf(file)))
        GTEST_SKIP() << "the temporary folder is not on a local disk here";
    EXPECT_FALSE(CDriveType::NeedsCopy(file, CDriveType::SystemQuery()));
}

TEST(DriveTypeSystemTest, MissingPathIsUndeterminedAndSharedMemoryARamDisk)
{
    EXPECT_EQ(CDriveType::Classify("/no/such/folder/file.plt", CDriveType::SystemQuery()), Kind::Undetermined);
    if (TypeOf("/dev/shm") != Fake::kTmpfs)
        GTEST_SKIP() << "no tmpfs at /dev/shm";
    EXPECT_EQ(CDriveType::Classify("/dev/shm", CDriveType::SystemQuery()), Kind::RamDisk);
}
}
