#include "CTempFolder.h"

#include "CTempFile.h"

#include <stdlib.h>

#include <filesystem>

CTempFolder::CTempFolder()
{
    std::string pattern = CTempFile::GetTempFolder().value_or("/tmp/") + "QSPXXXXXX";
    if (::mkdtemp(pattern.data()))
        m_path = pattern;
}

CTempFolder::~CTempFolder()
{
    std::error_code error;
    if (!m_path.empty())
        std::filesystem::remove_all(m_path, error);
}
