#include "CJobFile.h"

#include "CMessageService.h"
#include "CTempFile.h"
#include "ResourceIds.h"

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
    auto file = CHeldTempFile::Create(*folder, "MSD");
    if (!file) {
        CMessageService::Show(ResId::kNoTempNameMessage);
        return false;
    }
    m_file = std::move(*file);
    // PJL lines come a few bytes at a time, and plot data that cannot be
    // copied file to file comes through here in blocks.
    m_buffer = std::make_unique<char[]>(kBlock);
    m_used = 0;
    return true;
}

bool CJobFile::Write(const char* data, std::size_t size)
{
    while (size > 0) {
        if (m_used == kBlock && !Flush())
            return false;
        const std::size_t part = std::min(size, kBlock - m_used);
        std::memcpy(m_buffer.get() + m_used, data, part);
        m_used += part;
        data += part;
        size -= part;
    }
    return true;
}

std::optional<std::size_t> CJobFile::CopyFrom(int data, const std::string& dataPath)
{
    // What is buffered goes first: the copy writes at the file's position.
    if (!Flush())
        return std::nullopt;
    // File to file inside the system, as cat does: no trip through this
    // process's memory.
    ssize_t got;
    do
        got = copy_file_range(data, nullptr, m_file.GetFd(), nullptr, kBlock, 0);
    while (got < 0 && errno == EINTR);
    if (got > 0)
        return static_cast<std::size_t>(got);
    // Between file systems that cannot copy, or from one that shows this
    // call no data (procfs), a read finds the bytes, the end or the error.
    do
        got = read(data, m_buffer.get(), kBlock);
    while (got < 0 && errno == EINTR);
    if (got < 0) {
        ReportError("read", dataPath, errno);
        return std::nullopt;
    }
    m_used = static_cast<std::size_t>(got);
    return m_used;
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
        const ssize_t n = write(m_file.GetFd(), data, size);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            ReportError("write", m_file.GetName(), n < 0 ? errno : ENOSPC);
            return false;
        }
        data += n;
        size -= static_cast<std::size_t>(n);
    }
    return true;
}

std::optional<CSendFile> CJobFile::Keep()
{
    if (!Flush()) {
        Discard();
        return std::nullopt;
    }
    return CSendFile(std::move(m_file));
}

void CJobFile::Discard()
{
    m_used = 0;
    m_file.Close();
}
