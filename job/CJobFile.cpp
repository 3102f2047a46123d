#include "CJobFile.h"

#include "CMessageService.h"
#include "CTempFile.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace {
constexpr unsigned kNoTempFolderMessage = 517;
constexpr unsigned kNoTempNameMessage = 518;
constexpr unsigned kBuildFailedMessage = 521;
}

CJobFile::~CJobFile()
{
    Discard();
}

void CJobFile::ReportError(const std::string& action, const std::string& path, int error)
{
    CMessageService::ShowText("Cannot " + action + " " + path + ": " + std::strerror(error));
    CMessageService::Show(kBuildFailedMessage);
}

bool CJobFile::Create()
{
    const auto folder = CTempFile::GetTempFolder();
    if (!folder) {
        CMessageService::Show(kNoTempFolderMessage);
        return false;
    }
    const auto path = CTempFile::Create(*folder, "MSD");
    if (!path) {
        CMessageService::Show(kNoTempNameMessage);
        return false;
    }
    m_path = *path;
    m_fd = open(m_path.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC);
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
    if (m_fd >= 0)
        close(m_fd);
    m_fd = -1;
    CTempFile::Remove(m_path);
    m_path.clear();
}
