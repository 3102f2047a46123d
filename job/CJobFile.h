#pragma once

#include "CHeldTempFile.h"
#include "CSendFile.h"

#include <cstddef>
#include <memory>
#include <optional>
#include <string>

// The job file being written: a new file in the temporary folder that
// nothing outlives (CHeldTempFile, prefix "MSD" where it needs a name),
// written in raw bytes through a buffer of its own. Every failure is
// reported to the user as it happens; a file that is not kept is deleted.
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
    // Appends the next block (up to kBlock bytes) of the file open as data:
    // the count, 0 at its end, nullopt after an error (reported, a read
    // error under dataPath).
    std::optional<std::size_t> CopyFrom(int data, const std::string& dataPath);
    static constexpr std::size_t kBlock = 256 * 1024;
    // Hands the file over; nothing (file deleted) when the last bytes could
    // not be written.
    std::optional<CSendFile> Keep();
    // Closes and deletes the file.
    void Discard();

    // Reports a file error: the system's text, then the build failure.
    static void ReportError(const std::string& action, const std::string& path, int error);

private:
    bool Flush();
    bool WriteThrough(const char* data, std::size_t size);

    CHeldTempFile m_file;
    std::unique_ptr<char[]> m_buffer;
    std::size_t m_used = 0;
};
