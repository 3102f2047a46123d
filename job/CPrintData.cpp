#include "CPrintData.h"

#include "CDriveType.h"
#include "CFormatTable.h"
#include "CMessageService.h"
#include "CTempFile.h"
#include "CUserFile.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <optional>

namespace {
class CFileDescriptor {
public:
    explicit CFileDescriptor(int fd) : m_fd(fd) {}
    ~CFileDescriptor()
    {
        if (m_fd >= 0)
            close(m_fd);
    }
    CFileDescriptor(const CFileDescriptor&) = delete;
    CFileDescriptor& operator=(const CFileDescriptor&) = delete;

    int Get() const { return m_fd; }
    // Closes now, reporting whether the data reached the file.
    bool Close()
    {
        const int fd = m_fd;
        m_fd = -1;
        return close(fd) == 0;
    }

private:
    int m_fd;
};

void ShowSystemError(int error)
{
    CMessageService::ShowText(std::strerror(error));
}

bool CopyBytes(int from, int to)
{
    char buffer[65536];
    for (;;) {
        const ssize_t n = read(from, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return n == 0;
        for (ssize_t done = 0; done < n;) {
            const ssize_t written = write(to, buffer + done, static_cast<std::size_t>(n - done));
            if (written < 0 && errno == EINTR)
                continue;
            if (written <= 0)
                return false;
            done += written;
        }
    }
}

// Copies the open file into a new "QSD" file of the temporary folder;
// nothing is left behind when that fails, and errno tells why.
std::optional<std::string> CopyToTemporary(int source)
{
    errno = 0;
    const auto folder = CTempFile::GetTempFolder();
    if (!folder) {
        errno = errno ? errno : ENOTDIR;
        return std::nullopt;
    }
    const auto copy = CTempFile::Create(*folder, CPrintData::kCopyPrefix);
    if (!copy)
        return std::nullopt;
    CFileDescriptor target(open(copy->c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC));
    if (target.Get() >= 0 && CopyBytes(source, target.Get()) && target.Close())
        return copy;
    const int error = errno;
    CTempFile::Remove(*copy);
    errno = error;
    return std::nullopt;
}

std::string FileNameOf(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}
}

CPrintData::~CPrintData()
{
    DeleteCopy();
}

bool CPrintData::SetFile(const std::string& path, const CFormatTable& formats, const IFileSystemQuery& fileSystems)
{
    // The copy is taken from the descriptor opened here, so it holds the
    // very file that was checked.
    // Only regular files qualify, as a device or pipe would never end or
    // could not be read twice.
    CUserFile opened(path);
    if (!opened.IsOpen()) {
        CMessageService::ShowText(path + ": " + opened.GetReason());
        return false;
    }
    CFileDescriptor source(opened.Release());
    std::string sendPath = path;
    const bool copied = CDriveType::NeedsCopy(path, fileSystems);
    if (copied) {
        const auto copy = CopyToTemporary(source.Get());
        if (!copy) {
            ShowSystemError(errno);
            return false;
        }
        sendPath = *copy;
    }
    DeleteCopy();
    m_isTempCopy = copied;
    m_sendPath = std::move(sendPath);
    m_path = path;
    m_fileName = FileNameOf(path);
    m_dataFormat = formats.FormatOf(path);
    return true;
}

bool CPrintData::SetFile(const std::string& path, const CFormatTable& formats)
{
    return SetFile(path, formats, CDriveType::SystemQuery());
}

bool CPrintData::SetFile(const std::string& path)
{
    return SetFile(path, CFormatTable::Load());
}

void CPrintData::DeleteCopy()
{
    if (m_isTempCopy)
        CTempFile::Remove(m_sendPath);
    m_isTempCopy = false;
}
