#pragma once

#include "IFileSystemQuery.h"

// Answers every path with one file system type and removable flag, as a
// drive of that kind would.
class CFakeFileSystemQuery : public IFileSystemQuery {
public:
    // Some statfs magic numbers for the tests' drives.
    static constexpr std::uint32_t kExt4 = 0xEF53;
    static constexpr std::uint32_t kVfat = 0x4D44;
    static constexpr std::uint32_t kNfs = 0x6969;
    static constexpr std::uint32_t kIso9660 = 0x9660;
    static constexpr std::uint32_t kFuse = 0x65735546;
    static constexpr std::uint32_t kTmpfs = 0x01021994;

    CFakeFileSystemQuery(std::uint32_t type, bool removable, bool known = true)
        : m_type(type), m_removable(removable), m_known(known)
    {
    }

    std::optional<Info> FileSystemOf(const std::string&) const override
    {
        if (!m_known)
            return std::nullopt;
        return Info{m_type, 8, 17};
    }
    bool IsRemovableDevice(unsigned, unsigned) const override { return m_removable; }

private:
    std::uint32_t m_type;
    bool m_removable;
    bool m_known;
};
