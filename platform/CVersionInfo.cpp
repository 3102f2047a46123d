#include "CVersionInfo.h"

#include "ProgramBuildInfo.h"
#include "ResourceModuleAbi.h"

#include <array>

namespace {
constexpr std::array kFallbackCodePages{0u, 932u, 949u, 950u, 1200u, 1250u, 1251u, 1252u, 1253u, 1254u, 1255u, 1256u};

std::vector<unsigned> FallbackLanguages()
{
    std::vector<unsigned> languages;
    for (unsigned language = 0x0401; language <= 0x0421; ++language)
        languages.push_back(language);
    for (unsigned language : {0x0804, 0x0807, 0x0809, 0x080A, 0x080C, 0x0810, 0x0813, 0x0814, 0x0816, 0x081A,
                              0x0C0C, 0x100C})
        languages.push_back(language);
    return languages;
}
}

CVersionInfo::CVersionInfo(std::vector<std::pair<unsigned, unsigned>> translations, std::vector<Table> tables)
    : m_translations(std::move(translations))
    , m_tables(std::move(tables))
{
}

CVersionInfo CVersionInfo::FromModule(const QxResModule& module)
{
    std::vector<std::pair<unsigned, unsigned>> translations;
    for (unsigned i = 0; i < module.translationCount; ++i)
        translations.emplace_back(module.translations[i].language, module.translations[i].codePage);
    std::vector<Table> tables;
    for (unsigned i = 0; i < module.stringTableCount; ++i) {
        const QxResStringTable& source = module.stringTables[i];
        Table table{source.language, source.codePage, {}};
        for (unsigned v = 0; v < source.valueCount; ++v)
            table.values.emplace_back(source.values[v].name, source.values[v].value);
        tables.push_back(std::move(table));
    }
    return CVersionInfo(std::move(translations), std::move(tables));
}

const CVersionInfo& CVersionInfo::Program()
{
    static const CVersionInfo info({{0x0409, 0x04B0}},
                                   {{0x0409,
                                     0x04B0,
                                     {{"CompanyName", "Marovia"},
                                      {"FileDescription", "QX-Sendora"},
                                      {"ProductName", "QX-Sendora"},
                                      {"ProductVersion", build_info::kProductVersion},
                                      {"FileVersion", build_info::kProductVersion}}}});
    return info;
}

std::optional<std::string> CVersionInfo::GetString(const std::string& name) const
{
    if (m_translations.empty())
        return std::nullopt;
    const auto [language, codePage] = m_translations.front();
    if (auto found = Find(language, codePage, name))
        return found;
    static const std::vector<unsigned> languages = FallbackLanguages();
    for (unsigned page : kFallbackCodePages)
        for (unsigned fallbackLanguage : languages)
            if (auto found = Find(fallbackLanguage, page, name))
                return found;
    return std::nullopt;
}

std::optional<std::string> CVersionInfo::Find(unsigned language, unsigned codePage, const std::string& name) const
{
    for (const Table& table : m_tables) {
        if (table.language != language || table.codePage != codePage)
            continue;
        for (const auto& [key, value] : table.values)
            if (key == name)
                return value;
    }
    return std::nullopt;
}
