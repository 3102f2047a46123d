#include "CUserFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace {
const char* KindOf(mode_t mode)
{
    if (S_ISDIR(mode))
        return "Is a directory";
    if (S_ISFIFO(mode))
        return "Is a named pipe";
    if (S_ISSOCK(mode))
        return "Is a socket";
    return "Is a device";
}
}

CUserFile::CUserFile(const std::string& path)
{
    // O_NONBLOCK: opening a pipe that no one writes returns at once.
    const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    struct stat info {};
    if (fd < 0) {
        const int error = errno;
        // A socket cannot be opened at all.
        if (stat(path.c_str(), &info) == 0 && !S_ISREG(info.st_mode))
            Refuse(S_ISDIR(info.st_mode) ? EISDIR : ENXIO, KindOf(info.st_mode));
        else
            Refuse(error, std::strerror(error));
        return;
    }
    if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        close(fd);
        Refuse(S_ISDIR(info.st_mode) ? EISDIR : ENXIO, KindOf(info.st_mode));
        return;
    }
    // Reads of a regular file wait for the disk as usual.
    fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    m_fd = fd;
}

CUserFile::~CUserFile()
{
    if (m_fd >= 0)
        close(m_fd);
}

void CUserFile::Refuse(int error, std::string reason)
{
    m_error = error;
    m_reason = std::move(reason);
    errno = error;
}

int CUserFile::Release()
{
    const int fd = m_fd;
    m_fd = -1;
    return fd;
}

std::FILE* CUserFile::ReleaseStream()
{
    if (m_fd < 0)
        return nullptr;
    std::FILE* stream = fdopen(m_fd, "rb");
    if (stream)
        m_fd = -1;
    return stream;
}

CUserFile::Stream CUserFile::OpenStream(const std::string& path)
{
    CUserFile file(path);
    return Stream(file.ReleaseStream(), &std::fclose);
}

std::string CUserFile::WhyNot(const std::string& path)
{
    return CUserFile(path).GetReason();
}
