#pragma once

#include <optional>
#include <string>

// Unique files in the temporary folder, named with a three-letter prefix
// ("QSD" for copies of plot files, "MSD" for job files).
class CTempFile {
public:
    // $TMPDIR when it names a folder, else /tmp; with a trailing "/".
    static std::optional<std::string> GetTempFolder();
    // Creates an empty file with a unique name (no race between naming and
    // creating) and returns its path; errno tells why when it fails.
    static std::optional<std::string> Create(const std::string& folder, const std::string& prefix);
    static void Remove(const std::string& path);
};
