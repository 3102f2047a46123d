#pragma once

#include "IFileSystemQuery.h"

// The running system's answers: statfs and stat for a path, the sysfs
// "removable" flag for a device.
class CSystemFileSystemQuery : public IFileSystemQuery {
public:
    // sysRoot stands for "/sys" (tests lay out a fake one).
    explicit CSystemFileSystemQuery(std::string sysRoot = "/sys");

    std::optional<Info> FileSystemOf(const std::string& path) const override;
    bool IsRemovableDevice(unsigned major, unsigned minor) const override;

private:
    std::string m_sysRoot;
};
