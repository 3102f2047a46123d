#pragma once

#include <optional>
#include <string>
#include <vector>

// The setting names as IPP keywords, for clients that can only pick a
// keyword: ASCII letters lower-cased, digits, "-", "_" and "." kept, every
// other character "-"; a keyword that an earlier name already gave gets
// "-2", "-3" ... in list order.
class CSettingKeywords {
public:
    struct Entry {
        std::string keyword;
        std::string name;
    };

    explicit CSettingKeywords(const std::vector<std::string>& names);
    static std::string KeywordOf(const std::string& name);

    const std::vector<Entry>& Entries() const { return m_entries; }
    std::optional<std::string> NameOf(const std::string& keyword) const;

private:
    bool Taken(const std::string& keyword) const;

    std::vector<Entry> m_entries;
};
