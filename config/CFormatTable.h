#pragma once

#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

// The data formats and their extensions, read once from the extension
// configuration, for finding the data format of many files.
class CFormatTable {
public:
    // Reads the extension configuration file now.
    static CFormatTable Load();
    // formats[i] owns the extension list extensions[i]; unknownMarker is
    // what a file of no listed extension gets.
    CFormatTable(std::vector<std::string> formats, std::vector<std::string> extensions, std::string unknownMarker);

    // The first format listing the path's extension (compared without
    // regard to case), else the unknown-format marker.
    const std::string& FormatOf(const std::string& path) const;
    const std::vector<std::string>& Formats() const { return m_formats; }
    // The format of that name, compared without regard to case, spelt as
    // the extension configuration spells it.
    std::optional<std::string> FindFormat(const std::string& name) const;
    // A format's extensions, trimmed, each with its leading ".".
    const std::vector<std::string>& ExtensionsOf(std::size_t format) const { return m_extensions[format]; }
    const std::string& UnknownMarker() const { return m_unknownMarker; }

    // The final "." of the file name and what follows it; empty without one.
    static std::string ExtensionOf(const std::string& path);

private:
    std::vector<std::string> m_formats;
    std::vector<std::vector<std::string>> m_extensions;
    std::unordered_map<std::string, std::size_t> m_formatByExtension;  // lower-case extension
    std::string m_unknownMarker;
};
