#pragma once

#include <cstdint>
#include <optional>
#include <string>

// What the system tells about the file system and device holding a path.
// Tests put a simulation in its place to stand for any kind of drive.
class IFileSystemQuery {
public:
    struct Info {
        std::uint32_t type = 0;  // statfs f_type
        unsigned major = 0;      // device of the file system
        unsigned minor = 0;
    };

    virtual ~IFileSystemQuery() = default;
    virtual std::optional<Info> FileSystemOf(const std::string& path) const = 0;
    // Whether the block device (or the disk of a partition) has removable media.
    virtual bool IsRemovableDevice(unsigned major, unsigned minor) const = 0;
};
