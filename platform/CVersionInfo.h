#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

struct QxResModule;

// Version information of a module: translation pairs and one string table
// per language and code page, looked up the way Windows programs do.
class CVersionInfo {
public:
    struct Table {
        unsigned language = 0;
        unsigned codePage = 0;
        std::vector<std::pair<std::string, std::string>> values;
    };

    CVersionInfo() = default;
    CVersionInfo(std::vector<std::pair<unsigned, unsigned>> translations, std::vector<Table> tables);
    static CVersionInfo FromModule(const QxResModule& module);
    // The program's own version information, compiled in.
    static const CVersionInfo& Program();

    // The string of the first translation pair; else the first hit of the
    // fixed code-page and language lists. Nothing without a translation.
    std::optional<std::string> GetString(const std::string& name) const;
    // A module without a translation entry has no usable version information.
    bool HasTranslation() const { return !m_translations.empty(); }

private:
    std::optional<std::string> Find(unsigned language, unsigned codePage, const std::string& name) const;

    std::vector<std::pair<unsigned, unsigned>> m_translations;  // language, code page
    std::vector<Table> m_tables;
};
