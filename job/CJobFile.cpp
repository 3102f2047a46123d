#include "CJobFile.h"

#include "CMessageService.h"
#include "CTempFile.h"
#include "ResourceIds.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

CJobFile::~CJobFile()
{
    Discard();
}

void CJobFile::ReportError(const std::string& action, const std::string& path, int error)
{
    CMessageService::ShowText("Cannot " + action + " " + path + ": " + std::strerror(error));
    CMessageService::Show(ResId::kBuildFailedMessage);
}

bool CJobFile::Create()
{
    const auto folder = CTempFile::GetTempFolder();
    if (!folder) {
        CMessageService::Show(ResId::kNoTempFolderMessage);
        return false;
    }
    const auto path = CTempFile::Create(*folder, "MSD");
    if (!path) {
        CMessageService::Show(ResId::kNoTempNameMessage);
        return false;
    }
    m_path = *path;
    // Plot data arrives in 8192-byte blocks; a system call for each would
    // cost a third of the copy's speed.
    m_buffer = std::make_unique<char[]>(kRoom);
    m_used = 0;
    // Not truncated: the new file is empty, and ext4 flushes a file that
    // was truncated and rewritten when it is closed.
    m_fd = open(m_path.c_str(), O_WRONLY | O_CLOEXEC);
    if (m_fd < 0) {
        ReportError("open", m_path, errno);
        Discard();
        return false;
    }
    return true;
}

bool CJobFile::Write(const char* data, std::size_t size)
{
    while (size > 0) {
        char* room = Reserve(std::min(size, kRoom));
        if (!room)
            return false;
        const std::size_t part = std::min(size, kRoom - m_used);
        std::memcpy(room, data, part);
        Commit(part);
        data += part;
        size -= part;
    }
    return true;
}

char* CJobFile::Reserve(std::size_t size)
{
    if (kRoom - m_used < size && !Flush())
        return nullptr;
    return m_buffer.get() + m_used;
}

bool CJobFile::Flush()
{
    const bool written = WriteThrough(m_buffer.get(), m_used);
    m_used = 0;
    return written;
}

bool CJobFile::WriteThrough(const char* data, std::size_t size)
{
    while (size > 0) {
        const ssize_t n = write(m_fd, data, size);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            ReportError("write", m_path, n < 0 ? errno : ENOSPC);
            return false;
        }
        data += n;
        size -= static_cast<std::size_t>(n);
    }
    return true;
}

bool CJobFile::Keep()
{
    if (!Flush()) {
        Discard();
        return false;
    }
    const int fd = m_fd;
    m_fd = -1;
    if (close(fd) != 0) {
        ReportError("write", m_path, errno);
        Discard();
        return false;
    }
    m_path.clear();
    return true;
}

void CJobFile::Discard()
{
    m_used = 0;
    if (m_fd >= 0)
        close(m_fd);
    m_fd = -1;
    CTempFile::Remove(m_path);
    m_path.clear();
}
