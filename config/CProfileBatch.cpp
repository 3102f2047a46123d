#include "CProfileBatch.h"

#include "CIniDocument.h"
#include "CProfile.h"

CProfileBatch::CProfileBatch(std::string path)
    : m_path(std::move(path))
{
}

void CProfileBatch::WriteString(const std::string& section, const std::string& key, const std::string& value)
{
    if (CProfile::IsWritable(section, key, value))
        m_edits.push_back([=](CIniDocument& document) { document.Set(section, key, value); });
}

void CProfileBatch::DeleteKey(const std::string& section, const std::string& key)
{
    m_edits.push_back([=](CIniDocument& document) { document.RemoveKey(section, key); });
}

void CProfileBatch::DeleteSection(const std::string& section)
{
    m_edits.push_back([=](CIniDocument& document) { document.RemoveSection(section); });
}

bool CProfileBatch::Commit()
{
    if (m_path.empty() || m_edits.empty())
        return !m_path.empty();
    CProfile profile;
    profile.m_path = m_path;
    const bool written = profile.Edit([this](CIniDocument& document) {
        for (const auto& edit : m_edits)
            edit(document);
    });
    m_edits.clear();
    return written;
}
