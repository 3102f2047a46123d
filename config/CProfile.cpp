#include "CProfile.h"

#include "CIniDocument.h"
#include "CProgramPaths.h"
#include "CTextFields.h"
#include "CUserFile.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <map>
#include <memory>
#include <mutex>
#include <vector>

namespace {
constexpr std::size_t kMaxValueLength = 4096;

struct FileStamp {
    bool exists = false;
    off_t size = 0;
    timespec modified{};
    ino_t inode = 0;

    bool operator==(const FileStamp& other) const
    {
        return exists == other.exists && size == other.size && modified.tv_sec == other.modified.tv_sec &&
               modified.tv_nsec == other.modified.tv_nsec && inode == other.inode;
    }
};

FileStamp Stamp(const std::string& path)
{
    struct stat info {};
    if (stat(path.c_str(), &info) != 0)
        return {};
    return {true, info.st_size, info.st_mtim, info.st_ino};
}

std::string ReadAll(const std::string& path)
{
    std::string bytes;
    const CUserFile file(path);
    if (!file.IsOpen())
        return bytes;
    char buffer[65536];
    ssize_t n;
    while ((n = read(file.GetFd(), buffer, sizeof buffer)) > 0)
        bytes.append(buffer, static_cast<std::size_t>(n));
    return bytes;
}

// Parsed files, reused while a file's size, time and inode stay the same.
class CDocumentCache {
public:
    std::shared_ptr<const CIniDocument> Get(const std::string& path)
    {
        const FileStamp stamp = Stamp(path);
        std::lock_guard lock(m_mutex);
        auto& entry = m_entries[path];
        if (!entry.document || !(entry.stamp == stamp)) {
            entry.stamp = stamp;
            entry.document = std::make_shared<const CIniDocument>(stamp.exists ? ReadAll(path) : std::string());
        }
        return entry.document;
    }

    void Forget(const std::string& path)
    {
        std::lock_guard lock(m_mutex);
        m_entries.erase(path);
    }

private:
    struct Entry {
        FileStamp stamp;
        std::shared_ptr<const CIniDocument> document;
    };
    std::mutex m_mutex;
    std::map<std::string, Entry> m_entries;
};

CDocumentCache& Cache()
{
    static CDocumentCache cache;
    return cache;
}

bool HasWriteBit(const struct stat& info)
{
    return (info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) != 0;
}

bool WriteFully(int fd, const std::string& bytes)
{
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
}

// Writes the new contents beside the file and renames it into place, so
// the file is either the old one or the new one, never half written.
bool ReplaceFile(const std::string& path, const std::string& bytes)
{
    const std::size_t slash = path.rfind('/');
    const std::string folder = slash == std::string::npos ? "." : path.substr(0, slash + 1);
    struct stat folderInfo {};
    if (stat(folder.c_str(), &folderInfo) != 0 || !S_ISDIR(folderInfo.st_mode) || !HasWriteBit(folderInfo))
        return false;
    struct stat fileInfo {};
    const bool exists = stat(path.c_str(), &fileInfo) == 0;
    if (exists && !HasWriteBit(fileInfo))
        return false;

    std::string pattern = path + ".XXXXXX";
    std::vector<char> temp(pattern.begin(), pattern.end());
    temp.push_back('\0');
    const int fd = mkstemp(temp.data());
    if (fd < 0)
        return false;
    mode_t mode = exists ? fileInfo.st_mode & 07777 : 0666;
    if (!exists) {
        const mode_t mask = umask(0);
        umask(mask);
        mode &= ~mask;
    }
    const bool written = fchmod(fd, mode) == 0 && WriteFully(fd, bytes) && fsync(fd) == 0;
    if (close(fd) != 0 || !written || rename(temp.data(), path.c_str()) != 0) {
        unlink(temp.data());
        return false;
    }
    return true;
}

bool HasLineBreak(const std::string& text)
{
    return text.find_first_of("\r\n") != std::string::npos;
}
}

void CProfile::Open(const std::string& path)
{
    const bool exists = Stamp(path).exists;
    if (!exists && path.find("PJLConfig.txt") != std::string::npos)
        m_path = CProgramPaths::GetFallbackFolder() + "PJLConfig.txt";
    else
        m_path = path;
}

std::string CProfile::GetString(const std::string& section, const std::string& key,
                                const std::string& defaultValue) const
{
    if (m_path.empty())
        return {};
    const auto value = Cache().Get(m_path)->Find(section, key);
    return value ? value->substr(0, kMaxValueLength) : defaultValue;
}

bool CProfile::GetKeyNames(const std::string& section, std::vector<std::string>& names) const
{
    if (m_path.empty())
        return false;
    for (auto& name : Cache().Get(m_path)->KeyNames(section))
        names.push_back(std::move(name));
    return true;
}

bool CProfile::GetSectionNames(std::vector<std::string>& names) const
{
    if (m_path.empty())
        return false;
    for (auto& name : Cache().Get(m_path)->SectionNames())
        names.push_back(std::move(name));
    return true;
}

bool CProfile::Get2nd(const std::string& section, int& value) const
{
    if (m_path.empty())
        return false;
    value = CTextFields::LeadingInteger(Cache().Get(m_path)->Find(section, "2nd").value_or(""));
    return true;
}

bool CProfile::WriteString(const std::string& section, const std::string& key, const std::string& value)
{
    if (m_path.empty() || !IsWritable(section, key, value))
        return false;
    return Edit([&](CIniDocument& document) { document.Set(section, key, value); });
}

bool CProfile::IsWritable(const std::string& section, const std::string& key, const std::string& value)
{
    return !HasLineBreak(section) && !HasLineBreak(key) && !HasLineBreak(value);
}

bool CProfile::DeleteSection(const std::string& section)
{
    if (m_path.empty())
        return false;
    return Edit([&](CIniDocument& document) { document.RemoveSection(section); });
}

bool CProfile::DeleteKey(const std::string& section, const std::string& key)
{
    if (m_path.empty())
        return false;
    return Edit([&](CIniDocument& document) { document.RemoveKey(section, key); });
}

bool CProfile::Edit(const std::function<void(CIniDocument&)>& change)
{
    const FileStamp before = Stamp(m_path);
    CIniDocument document(before.exists ? ReadAll(m_path) : std::string());
    const std::string original = document.Bytes();
    change(document);
    const std::string bytes = document.Bytes();
    Cache().Forget(m_path);
    // Deleting from a missing file, or a change that changes nothing, needs
    // no write; a new file is created even when empty.
    if (before.exists && bytes == original)
        return true;
    if (!before.exists && bytes.empty())
        return true;
    return ReplaceFile(m_path, bytes);
}
