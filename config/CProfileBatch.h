#pragma once

#include <functional>
#include <string>
#include <vector>

class CIniDocument;

// Many edits of one INI file, kept until Commit writes them all at once: the
// bytes are those the same edits through CProfile one by one would give,
// for one atomic replace instead of one per edit.
class CProfileBatch {
public:
    explicit CProfileBatch(std::string path);

    const std::string& GetPath() const { return m_path; }

    // As the CProfile operations of the same names; a write refused there
    // (a line break in it) is left out here.
    void WriteString(const std::string& section, const std::string& key, const std::string& value);
    void DeleteKey(const std::string& section, const std::string& key);
    void DeleteSection(const std::string& section);

    // Reads the file, applies the edits in order and replaces the file
    // atomically when they changed it; false when it could not be written.
    bool Commit();

private:
    std::string m_path;
    std::vector<std::function<void(CIniDocument&)>> m_edits;
};
