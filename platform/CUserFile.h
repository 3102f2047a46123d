#pragma once

#include <cstdio>
#include <memory>
#include <string>

// A file a user named, opened for reading only when it is a regular file.
// A named pipe would block open() and read() for ever, a device never ends
// and a socket cannot be opened; each is refused at once, without waiting.
class CUserFile {
public:
    explicit CUserFile(const std::string& path);
    ~CUserFile();
    CUserFile(const CUserFile&) = delete;
    CUserFile& operator=(const CUserFile&) = delete;

    bool IsOpen() const { return m_fd >= 0; }
    int GetFd() const { return m_fd; }
    // Hands the descriptor on; -1 when not open.
    int Release();
    // Hands the file on as a stream ("rb"); nullptr when not open.
    std::FILE* ReleaseStream();
    // errno of a refusal: ENOENT, EACCES, EISDIR, ...; ENXIO for a pipe,
    // device or socket.
    int GetError() const { return m_error; }
    // Why it is not open, as the system says it: "No such file or
    // directory", "Is a directory", "Is a named pipe", "Is a device", "Is a
    // socket".
    const std::string& GetReason() const { return m_reason; }

    using Stream = std::unique_ptr<std::FILE, int (*)(std::FILE*)>;
    // The file as a stream, or nullptr (errno tells why).
    static Stream OpenStream(const std::string& path);
    // The reason alone, for a reader that takes a path (Poppler, Ghostscript);
    // empty when the file can be read.
    static std::string WhyNot(const std::string& path);

private:
    void Refuse(int error, std::string reason);

    int m_fd = -1;
    int m_error = 0;
    std::string m_reason;
};
