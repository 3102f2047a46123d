#include "CSettingKeywords.h"

CSettingKeywords::CSettingKeywords(const std::vector<std::string>& names)
{
    for (const std::string& name : names) {
        const std::string base = KeywordOf(name);
        std::string keyword = base;
        for (int suffix = 2; Taken(keyword); ++suffix)
            keyword = base + '-' + std::to_string(suffix);
        m_entries.push_back({keyword, name});
    }
}

// A character beyond ASCII is one "-", however many bytes UTF-8 gives it.
std::string CSettingKeywords::KeywordOf(const std::string& name)
{
    std::string keyword;
    for (const char c : name) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x80 && byte < 0xc0)
            continue;
        if (c >= 'A' && c <= 'Z')
            keyword += static_cast<char>(c - 'A' + 'a');
        else if ((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' || c == '_' || c == '.')
            keyword += c;
        else
            keyword += '-';
    }
    return keyword;
}

std::optional<std::string> CSettingKeywords::NameOf(const std::string& keyword) const
{
    for (const Entry& entry : m_entries)
        if (entry.keyword == keyword)
            return entry.name;
    return std::nullopt;
}

bool CSettingKeywords::Taken(const std::string& keyword) const
{
    for (const Entry& entry : m_entries)
        if (entry.keyword == keyword)
            return true;
    return false;
}
