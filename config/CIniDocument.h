#pragma once

#include <optional>
#include <string>
#include <vector>

// The lines of an INI file as bytes, with what each line means. Edits
// touch only the lines concerned, so writing the document back reproduces
// every other byte of the file.
class CIniDocument {
public:
    explicit CIniDocument(const std::string& bytes);

    std::string Bytes() const;
    // Whether two section or key names name the same one: letters A to Z
    // compare without regard to case.
    static bool SameName(const std::string& a, const std::string& b);

    std::optional<std::string> Find(const std::string& section, const std::string& key) const;
    // Names of the key lines (with "=") of the first matching section.
    std::vector<std::string> KeyNames(const std::string& section) const;
    std::vector<std::string> SectionNames() const;

    void Set(const std::string& section, const std::string& key, const std::string& value);
    void RemoveKey(const std::string& section, const std::string& key);
    void RemoveSection(const std::string& section);

private:
    enum class Kind { Other, Section, Key };
    struct Line {
        std::string text;    // the raw bytes of the line
        std::string ending;  // "\r\n", "\n", "\r" or "" at the end of the file
        Kind kind = Kind::Other;
        std::string name;    // section or key name, trimmed
        std::string value;   // key value, trimmed
    };

    static Line Parse(std::string text, std::string ending);
    // Index of the first matching section header, or size() when none.
    std::size_t FindSection(const std::string& section) const;
    // One past the last line of the section starting at header.
    std::size_t SectionEnd(std::size_t header) const;
    std::size_t FindKey(std::size_t header, const std::string& key) const;
    void Insert(std::size_t at, const std::string& text);
    std::string LineEnding() const;

    std::vector<Line> m_lines;
};
