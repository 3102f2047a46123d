#include "CWatchFolders.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

namespace {
std::string LocalStamp()
{
    const std::time_t now = std::time(nullptr);
    std::tm local {};
    localtime_r(&now, &local);
    char text[32];
    std::strftime(text, sizeof text, "%Y%m%d-%H%M%S", &local);
    return text;
}
}

CWatchFolders::CWatchFolders(std::string folder)
    : m_folder(std::move(folder))
{
}

CWatchFolders::~CWatchFolders()
{
    if (m_lock >= 0)
        close(m_lock);
}

bool CWatchFolders::Open()
{
    for (const char* folder : {kSending, kSent, kFailed}) {
        std::error_code error;
        fs::create_directory(Below(folder), error);
        if (!fs::is_directory(Below(folder)))
            return Fail("cannot make the folder " + Below(folder) + ": " + (error ? error.message() : "a file"));
    }
    m_lock = open(Below(kSending).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (m_lock < 0)
        return Fail("cannot open " + Below(kSending) + ": " + std::strerror(errno));
    if (flock(m_lock, LOCK_EX | LOCK_NB) != 0)
        return Fail(errno == EWOULDBLOCK ? m_folder + " is watched by another process already"
                                         : "cannot lock " + Below(kSending) + ": " + std::strerror(errno));
    return true;
}

bool CWatchFolders::Fail(const std::string& what)
{
    m_error = what;
    return false;
}

std::optional<CWatchFolders::Entry> CWatchFolders::Take(const std::string& name)
{
    const auto id = NewIdFolder();
    if (!id)
        return std::nullopt;
    const Entry entry{*id, name};
    if (std::rename((m_folder + "/" + name).c_str(), PathOf(entry).c_str()) == 0)
        return entry;
    DropIdFolder(entry);
    return std::nullopt;
}

// Ids sort in the order taken: the time, then a counter that skips the ids
// an earlier run has left.
std::optional<std::string> CWatchFolders::NewIdFolder()
{
    const std::string stamp = LocalStamp();
    for (int attempt = 0; attempt < 10000; ++attempt) {
        char id[48];
        std::snprintf(id, sizeof id, "%s-%04u", stamp.c_str(), ++m_counter % 10000);
        if (mkdir((Below(kSending) + "/" + id).c_str(), 0700) == 0)
            return id;
        if (errno != EEXIST)
            return std::nullopt;
    }
    return std::nullopt;
}

std::vector<CWatchFolders::Entry> CWatchFolders::Sending() const
{
    std::vector<Entry> entries;
    std::error_code error;
    for (const auto& folder : fs::directory_iterator(Below(kSending), error)) {
        const std::string id = folder.path().filename().string();
        for (const auto& file : fs::directory_iterator(folder.path(), error))
            entries.push_back({id, file.path().filename().string()});
        if (fs::is_empty(folder.path(), error))
            fs::remove(folder.path(), error);  // a take cut short before its rename
    }
    std::sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) { return a.id < b.id; });
    return entries;
}

std::string CWatchFolders::PathOf(const Entry& entry) const
{
    return Below(kSending) + "/" + entry.id + "/" + entry.name;
}

std::optional<std::string> CWatchFolders::ToSent(const Entry& entry)
{
    const auto moved = MoveTo(PathOf(entry), kSent, entry.name);
    if (moved)
        DropIdFolder(entry);
    return moved;
}

std::optional<std::string> CWatchFolders::ToFailed(const Entry& entry, const std::string& reason)
{
    const auto moved = MoveToFailed(PathOf(entry), entry.name, reason);
    if (moved)
        DropIdFolder(entry);
    return moved;
}

std::optional<std::string> CWatchFolders::Reject(const std::string& name, const std::string& reason)
{
    return MoveToFailed(m_folder + "/" + name, name, reason);
}

// The reason first: a file in failed/ always has one.
std::optional<std::string> CWatchFolders::MoveToFailed(const std::string& from, const std::string& name,
                                                       const std::string& reason)
{
    const std::string freeName = FreeName(Below(kFailed), name);
    std::ofstream file(Below(kFailed) + "/" + freeName + ".reason.txt", std::ios::binary | std::ios::trunc);
    if (!(file << reason << '\n').flush())
        return std::nullopt;
    return MoveTo(from, kFailed, freeName);
}

std::optional<std::string> CWatchFolders::MoveTo(const std::string& from, const char* folder, const std::string& name)
{
    const std::string freeName = FreeName(Below(folder), name);
    if (std::rename(from.c_str(), (Below(folder) + "/" + freeName).c_str()) != 0)
        return std::nullopt;
    return freeName;
}

// "A0.plt" when free, else "A0.20261207-091502.plt", then "A0.20261207-091502-2.plt" ...
std::string CWatchFolders::FreeName(const std::string& folder, const std::string& name) const
{
    std::error_code error;
    if (!fs::exists(folder + "/" + name, error))
        return name;
    const fs::path path(name);
    const std::string stem = path.stem().string() + "." + LocalStamp();
    const std::string extension = path.extension().string();
    std::string candidate = stem + extension;
    for (int n = 2; fs::exists(folder + "/" + candidate, error); ++n)
        candidate = stem + "-" + std::to_string(n) + extension;
    return candidate;
}

void CWatchFolders::DropIdFolder(const Entry& entry) const
{
    rmdir((Below(kSending) + "/" + entry.id).c_str());
}
