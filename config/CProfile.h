#pragma once

#include <functional>
#include <string>
#include <vector>

class CIniDocument;

// Default passed to every read whose absence matters; a result equal to it
// means the file, the section or the key is missing.
inline constexpr const char* kMissingValue = "HP-PJL_NOTHING";

// Access to one INI file with the semantics of the Windows private-profile
// functions. Every call sees the file as it is on disk now; every write is
// an in-place edit (all other bytes stay as they are) that replaces the
// file atomically.
class CProfile {
public:
    virtual ~CProfile() = default;

    // Binds the accessor to a path. A missing "PJLConfig.txt" is taken from
    // the shipped data folder instead.
    void Open(const std::string& path);
    const std::string& GetPath() const { return m_path; }

    // Empty when no file is bound; the default when file, section or key is
    // missing; at most 4096 characters.
    std::string GetString(const std::string& section, const std::string& key, const std::string& defaultValue) const;
    bool WriteString(const std::string& section, const std::string& key, const std::string& value);
    bool DeleteSection(const std::string& section);
    bool DeleteKey(const std::string& section, const std::string& key);
    // Appends the section's key names, in file order, to names.
    bool GetKeyNames(const std::string& section, std::vector<std::string>& names) const;
    // Appends the names of all sections, in file order, to names.
    bool GetSectionNames(std::vector<std::string>& names) const;
    // Key "2nd" of the section read as an integer; 0 when missing.
    bool Get2nd(const std::string& section, int& value) const;
    // A line break would split the entry and change what later reads see.
    static bool IsWritable(const std::string& section, const std::string& key, const std::string& value);

private:
    friend class CProfileBatch;

    // Reads the file, applies the change and writes it back when it changed.
    bool Edit(const std::function<void(CIniDocument&)>& change);

    std::string m_path;
};
