#include "CIniDocument.h"

#include <algorithm>

namespace {
bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

std::string Trim(const std::string& text)
{
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && IsBlank(text[begin]))
        ++begin;
    while (end > begin && IsBlank(text[end - 1]))
        --end;
    return text.substr(begin, end - begin);
}

char Lower(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}
}

bool CIniDocument::SameName(const std::string& a, const std::string& b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return Lower(x) == Lower(y);
           });
}

CIniDocument::CIniDocument(const std::string& bytes)
{
    std::size_t at = 0;
    while (at < bytes.size()) {
        const std::size_t end = std::min(bytes.find_first_of("\r\n", at), bytes.size());
        std::size_t next = end;
        if (next < bytes.size())
            next += bytes.compare(next, 2, "\r\n") == 0 ? 2 : 1;
        m_lines.push_back(Parse(bytes.substr(at, end - at), bytes.substr(end, next - end)));
        at = next;
    }
}

CIniDocument::Line CIniDocument::Parse(std::string text, std::string ending)
{
    Line line;
    line.text = std::move(text);
    line.ending = std::move(ending);
    const std::string trimmed = Trim(line.text);
    if (trimmed.empty() || trimmed[0] == ';')
        return line;
    if (trimmed[0] == '[') {
        const std::size_t close = trimmed.rfind(']');
        line.kind = Kind::Section;
        line.name = Trim(trimmed.substr(1, close == std::string::npos ? std::string::npos : close - 1));
        return line;
    }
    const std::size_t equals = trimmed.find('=');
    if (equals == std::string::npos)
        return line;
    line.kind = Kind::Key;
    line.name = Trim(trimmed.substr(0, equals));
    line.value = Trim(trimmed.substr(equals + 1));
    return line;
}

std::string CIniDocument::Bytes() const
{
    std::string bytes;
    for (const Line& line : m_lines)
        bytes += line.text + line.ending;
    return bytes;
}

std::size_t CIniDocument::FindSection(const std::string& section) const
{
    for (std::size_t i = 0; i < m_lines.size(); ++i)
        if (m_lines[i].kind == Kind::Section && SameName(m_lines[i].name, section))
            return i;
    return m_lines.size();
}

std::size_t CIniDocument::SectionEnd(std::size_t header) const
{
    std::size_t end = header + 1;
    while (end < m_lines.size() && m_lines[end].kind != Kind::Section)
        ++end;
    return end;
}

std::size_t CIniDocument::FindKey(std::size_t header, const std::string& key) const
{
    const std::size_t end = SectionEnd(header);
    for (std::size_t i = header + 1; i < end; ++i)
        if (m_lines[i].kind == Kind::Key && SameName(m_lines[i].name, key))
            return i;
    return end;
}

std::optional<std::string> CIniDocument::Find(const std::string& section, const std::string& key) const
{
    const std::size_t header = FindSection(section);
    if (header == m_lines.size())
        return std::nullopt;
    const std::size_t line = FindKey(header, key);
    if (line == SectionEnd(header))
        return std::nullopt;
    std::string value = m_lines[line].value;
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
        value = value.substr(1, value.size() - 2);
    return value;
}

std::vector<std::string> CIniDocument::KeyNames(const std::string& section) const
{
    std::vector<std::string> names;
    const std::size_t header = FindSection(section);
    if (header == m_lines.size())
        return names;
    const std::size_t end = SectionEnd(header);
    for (std::size_t i = header + 1; i < end; ++i)
        if (m_lines[i].kind == Kind::Key)
            names.push_back(m_lines[i].name);
    return names;
}

std::vector<std::string> CIniDocument::SectionNames() const
{
    std::vector<std::string> names;
    for (const Line& line : m_lines)
        if (line.kind == Kind::Section)
            names.push_back(line.name);
    return names;
}

void CIniDocument::Set(const std::string& section, const std::string& key, const std::string& value)
{
    std::size_t header = FindSection(section);
    if (header == m_lines.size()) {
        Insert(m_lines.size(), "[" + section + "]");
        Insert(m_lines.size(), key + "=" + value);
        return;
    }
    const std::size_t end = SectionEnd(header);
    const std::size_t line = FindKey(header, key);
    if (line != end) {
        m_lines[line] = Parse(m_lines[line].name + "=" + value, m_lines[line].ending);
        return;
    }
    std::size_t after = header;
    for (std::size_t i = header + 1; i < end; ++i)
        if (m_lines[i].kind == Kind::Key)
            after = i;
    Insert(after + 1, key + "=" + value);
}

void CIniDocument::RemoveKey(const std::string& section, const std::string& key)
{
    const std::size_t header = FindSection(section);
    if (header == m_lines.size())
        return;
    const std::size_t line = FindKey(header, key);
    if (line != SectionEnd(header))
        m_lines.erase(m_lines.begin() + static_cast<std::ptrdiff_t>(line));
}

void CIniDocument::RemoveSection(const std::string& section)
{
    const std::size_t header = FindSection(section);
    if (header == m_lines.size())
        return;
    m_lines.erase(m_lines.begin() + static_cast<std::ptrdiff_t>(header),
                  m_lines.begin() + static_cast<std::ptrdiff_t>(SectionEnd(header)));
}

void CIniDocument::Insert(std::size_t at, const std::string& text)
{
    const std::string ending = LineEnding();
    if (at > 0 && m_lines[at - 1].ending.empty())
        m_lines[at - 1].ending = ending;
    m_lines.insert(m_lines.begin() + static_cast<std::ptrdiff_t>(at), Parse(text, ending));
}

std::string CIniDocument::LineEnding() const
{
    for (const Line& line : m_lines)
        if (!line.ending.empty())
            return line.ending;
    return "\r\n";
}
