#include "CSendFile.h"

#include <utility>

CSendFile::CSendFile(CHeldTempFile file)
    : m_file(std::move(file))
{
}
