#pragma once

#include <string>

// The job file being written: a new "MSD" file in the temporary folder,
// written in raw bytes. Every failure is reported to the user as it
// happens; a file that is not kept is deleted.
class CJobFile {
public:
    CJobFile() = default;
    ~CJobFile();
    CJobFile(const CJobFile&) = delete;
    CJobFile& operator=(const CJobFile&) = delete;

    // False after a message (no temporary folder, no unique name, no file).
    bool Create();
    bool Write(const char* data, std::size_t size);
    bool Write(const std::string& bytes) { return Write(bytes.data(), bytes.size()); }
    // Closes the file and hands it over; false (file deleted) when the last
    // bytes could not be written.
    bool Keep();
    // Closes and deletes the file.
    void Discard();
    const std::string& GetPath() const { return m_path; }

    // Reports a file error: the system's text, then the build failure.
    static void ReportError(const std::string& action, const std::string& path, int error);

private:
    std::string m_path;
    int m_fd = -1;
};
