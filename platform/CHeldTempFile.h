#pragma once

#include <optional>
#include <string>

// A temporary file that exists only while a process holds it open, so that
// a crash, SIGKILL or power loss leaves nothing behind: unnamed (O_TMPFILE)
// where the file system allows; elsewhere a named file under a lock that the
// writer keeps, which the next Create of the same prefix removes once no
// live process holds it.
class CHeldTempFile {
public:
    CHeldTempFile() = default;
    ~CHeldTempFile();
    CHeldTempFile(CHeldTempFile&& other) noexcept;
    CHeldTempFile& operator=(CHeldTempFile&& other) noexcept;
    CHeldTempFile(const CHeldTempFile&) = delete;
    CHeldTempFile& operator=(const CHeldTempFile&) = delete;

    // Open for reading and writing; nothing when even a named file cannot
    // be made (errno tells why).
    static std::optional<CHeldTempFile> Create(const std::string& folder, const std::string& prefix);
    // The fallback alone: a named file "PREFIXxxxxxx" under a lock.
    static std::optional<CHeldTempFile> CreateNamed(const std::string& folder, const std::string& prefix);
    // Removes the files "PREFIX..." of the folder that this user owns and
    // no live process holds.
    static void RemoveLeftovers(const std::string& folder, const std::string& prefix);

    bool IsOpen() const { return m_fd >= 0; }
    int GetFd() const { return m_fd; }
    bool IsNamed() const { return m_named; }
    // Opens the file again while it is held: "/proc/self/fd/N" for an
    // unnamed one.
    const std::string& GetPath() const { return m_path; }
    // What a message calls it: its path, or the folder of an unnamed one.
    const std::string& GetName() const { return m_name; }
    // Gives the file the name "to" on the same file system, for good; false
    // with errno (EXDEV across file systems), the file still held.
    bool MoveTo(const std::string& to);
    // Closes the file; a named one is deleted.
    void Close();

private:
    CHeldTempFile(int fd, std::string path, std::string name);

    int m_fd = -1;
    std::string m_path;
    std::string m_name;
    bool m_named = false;
};
