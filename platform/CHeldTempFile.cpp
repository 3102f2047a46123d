#include "CHeldTempFile.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <memory>
#include <utility>
#include <vector>

namespace {
bool SameFile(const struct stat& a, const struct stat& b)
{
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// Whether the name still leads to the open file: a cleaner may have taken
// the name away between its creation and the writer's lock.
bool StillNamed(int fd, const std::string& path)
{
    struct stat open {}, named {};
    return fstat(fd, &open) == 0 && lstat(path.c_str(), &named) == 0 && SameFile(open, named);
}

void RemoveIfAbandoned(int folder, const char* name)
{
    struct stat named {};
    if (fstatat(folder, name, &named, AT_SYMLINK_NOFOLLOW) != 0 || !S_ISREG(named.st_mode) ||
        named.st_uid != geteuid())
        return;
    const int fd = openat(folder, name, O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0)
        return;
    struct stat open {};
    // The lock held means a live writer; it is dropped with the process.
    if (flock(fd, LOCK_EX | LOCK_NB) == 0 && fstat(fd, &open) == 0 && SameFile(open, named))
        unlinkat(folder, name, 0);
    close(fd);
}
}

CHeldTempFile::CHeldTempFile(int fd, std::string path, std::string name)
    : m_fd(fd)
    , m_path(std::move(path))
    , m_name(std::move(name))
    , m_named(m_path == m_name)
{
}

CHeldTempFile::~CHeldTempFile()
{
    Close();
}

CHeldTempFile::CHeldTempFile(CHeldTempFile&& other) noexcept
    : m_fd(std::exchange(other.m_fd, -1))
    , m_path(std::exchange(other.m_path, {}))
    , m_name(std::exchange(other.m_name, {}))
    , m_named(other.m_named)
{
}

CHeldTempFile& CHeldTempFile::operator=(CHeldTempFile&& other) noexcept
{
    if (this != &other) {
        Close();
        m_fd = std::exchange(other.m_fd, -1);
        m_path = std::exchange(other.m_path, {});
        m_name = std::exchange(other.m_name, {});
        m_named = other.m_named;
    }
    return *this;
}

std::optional<CHeldTempFile> CHeldTempFile::Create(const std::string& folder, const std::string& prefix)
{
    const int fd = open(folder.c_str(), O_TMPFILE | O_RDWR | O_CLOEXEC, 0600);
    if (fd >= 0)
        return CHeldTempFile(fd, "/proc/self/fd/" + std::to_string(fd), folder);
    RemoveLeftovers(folder, prefix);
    return CreateNamed(folder, prefix);
}

std::optional<CHeldTempFile> CHeldTempFile::CreateNamed(const std::string& folder, const std::string& prefix)
{
    for (;;) {
        std::string pattern = folder + prefix + "XXXXXX";
        std::vector<char> name(pattern.begin(), pattern.end());
        name.push_back('\0');
        const int fd = mkostemp(name.data(), O_CLOEXEC);
        if (fd < 0)
            return std::nullopt;
        CHeldTempFile file(fd, name.data(), name.data());
        if (flock(fd, LOCK_EX) != 0)
            return std::nullopt;
        if (StillNamed(fd, file.m_path))
            return file;
        file.m_named = false;  // the name is another's now
    }
}

void CHeldTempFile::RemoveLeftovers(const std::string& folder, const std::string& prefix)
{
    const std::unique_ptr<DIR, int (*)(DIR*)> listing(opendir(folder.c_str()), &closedir);
    if (!listing)
        return;
    while (const dirent* entry = readdir(listing.get()))
        if (std::string_view(entry->d_name).starts_with(prefix))
            RemoveIfAbandoned(dirfd(listing.get()), entry->d_name);
}

bool CHeldTempFile::MoveTo(const std::string& to)
{
    if (m_named ? std::rename(m_path.c_str(), to.c_str()) != 0
                : linkat(AT_FDCWD, m_path.c_str(), AT_FDCWD, to.c_str(), AT_SYMLINK_FOLLOW) != 0)
        return false;
    m_named = false;
    Close();
    return true;
}

void CHeldTempFile::Close()
{
    if (m_fd < 0)
        return;
    if (m_named)
        unlink(m_path.c_str());
    close(m_fd);
    m_fd = -1;
    m_path.clear();
    m_name.clear();
}
