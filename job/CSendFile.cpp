#include "CSendFile.h"

#include "CTempFile.h"

#include <utility>

CSendFile::CSendFile(std::string path)
    : m_path(std::move(path))
{
}

CSendFile::~CSendFile()
{
    CTempFile::Remove(m_path);
}

CSendFile::CSendFile(CSendFile&& other) noexcept
    : m_path(std::exchange(other.m_path, {}))
{
}

CSendFile& CSendFile::operator=(CSendFile&& other) noexcept
{
    if (this != &other) {
        CTempFile::Remove(m_path);
        m_path = std::exchange(other.m_path, {});
    }
    return *this;
}
