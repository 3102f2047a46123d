#pragma once

#include <cstdint>
#include <set>
#include <string>
#include <vector>

// A private folder for one test, removed with everything in it.
class CTempDir {
public:
    CTempDir();
    ~CTempDir();
    CTempDir(const CTempDir&) = delete;
    CTempDir& operator=(const CTempDir&) = delete;

    // Folder path with a trailing "/".
    const std::string& Path() const { return m_path; }
    std::string File(const std::string& name) const { return m_path + name; }
    // Writes bytes to a file in the folder and returns its path.
    std::string Write(const std::string& name, const std::string& bytes) const;

private:
    std::string m_path;
};

// Whole contents of a file; empty when it cannot be read.
std::string ReadFileBytes(const std::string& path);
void WriteFileBytes(const std::string& path, const std::string& bytes);
bool FileExists(const std::string& path);
// Size of a file; 0 when it is missing.
std::uint64_t SizeOf(const std::string& path);
// Every file below a folder, relative to it.
std::set<std::string> FilesBelow(const std::string& folder);
// The lines of a text, without their line feeds.
std::vector<std::string> SplitLines(const std::string& text);
// Bytes of no short period, different for every seed: data whose blocks cannot be mixed up unseen.
std::string PatternBytes(std::size_t size, unsigned seed = 0);
// A job's bytes with the job name, which JOB and EOJ must agree on, as NAME.
std::string NormalisedJob(const std::string& bytes);
