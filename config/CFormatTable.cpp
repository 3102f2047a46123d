#include "CFormatTable.h"

#include "CExtensionConfig.h"
#include "CResourceModule.h"
#include "ResourceIds.h"

#include <algorithm>

namespace {
std::string Trimmed(const std::string& text)
{
    const std::size_t begin = text.find_first_not_of(" \t");
    if (begin == std::string::npos)
        return {};
    return text.substr(begin, text.find_last_not_of(" \t") - begin + 1);
}

std::string Lower(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; });
    return text;
}
}

CFormatTable CFormatTable::Load()
{
    std::vector<std::string> formats;
    std::vector<std::string> extensions;
    CExtensionConfig::LoadDataFormats(formats);
    CExtensionConfig::LoadFormatExtensions(formats, extensions);
    return CFormatTable(std::move(formats), std::move(extensions), CResourceModule::LoadString(ResId::kUnknownFormatName));
}

CFormatTable::CFormatTable(std::vector<std::string> formats, std::vector<std::string> extensions,
                           std::string unknownMarker)
    : m_formats(std::move(formats))
    , m_extensions(m_formats.size())
    , m_unknownMarker(std::move(unknownMarker))
{
    for (std::size_t format = 0; format < m_formats.size() && format < extensions.size(); ++format) {
        std::vector<std::string> pieces;
        CExtensionConfig::SplitExtensions(extensions[format], pieces);
        for (const std::string& piece : pieces) {
            const std::string extension = Trimmed(piece);
            if (extension.empty())
                continue;
            m_extensions[format].push_back("." + extension);
            // emplace keeps an earlier format's claim: the first format wins.
            m_formatByExtension.emplace(Lower("." + extension), format);
        }
    }
}

const std::string& CFormatTable::FormatOf(const std::string& path) const
{
    const auto found = m_formatByExtension.find(Lower(ExtensionOf(path)));
    return found == m_formatByExtension.end() ? m_unknownMarker : m_formats[found->second];
}

std::optional<std::string> CFormatTable::FindFormat(const std::string& name) const
{
    const std::string wanted = Lower(name);
    for (const auto& format : m_formats)
        if (Lower(format) == wanted)
            return format;
    return std::nullopt;
}

std::string CFormatTable::ExtensionOf(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    const std::size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
    const std::size_t dot = path.rfind('.');
    if (dot == std::string::npos || dot < nameStart)
        return {};
    return path.substr(dot);
}
