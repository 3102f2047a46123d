#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>

class CPrintJob;
class IProgressMonitor;

// Uploads one job file to a printer's FTP server: active mode, image type,
// 4096-byte blocks with progress and cancel per block. Runs on a worker
// thread; it touches nothing but its own members and the monitor.
class CFtpUpload {
public:
    enum class Result { Finished, Cancelled, Failed };
    // What a failed upload ran into, as far as the printer's replies and
    // the network tell.
    enum class Failure {
        None,
        LoginRefused,
        ConnectionRefused,
        UnknownHost,
        NoAnswer,
        // No data taken for the stall limit once the transfer had begun.
        Stalled,
        HungUp,
        // An error reply to the folder or the file; StorageFull for 452 and 552.
        Refused,
        StorageFull,
        Other
    };
    // The step of progress and cancel; the window's bar moves by it too.
    static constexpr std::size_t kBlockSize = 4096;

    struct Request {
        std::string host;
        int port = 21;
        std::string user;
        std::string password;
        std::string remoteFolder;  // "plt07p"
        std::string remoteName;    // file name on the printer, not encoded
        std::string localPath;
        // Seconds allowed for connecting, logging in and each server reply,
        // and for a transfer making no progress at all.
        long connectSeconds = 15;
        long stallSeconds = 60;
    };

    explicit CFtpUpload(Request request);
    // The request for a job's send file at localPath: printer address from
    // its printer name, folder from its number, name from its first entry.
    // Nothing (after a message) when the name or the address cannot be used.
    static std::optional<Request> RequestFor(const CPrintJob& job, const std::string& user,
                                             const std::string& password, const std::string& localPath);

    // Once the printer has taken the file (answered the STOR), Begin and End
    // frame the transfer whatever its outcome. A cancel resets the data
    // connection, and a transfer that ends early after that point has the
    // partial file deleted, so that nothing truncated prints.
    Result Run(IProgressMonitor& monitor);
    // What went wrong, at most 1023 characters without a final line end:
    // the printer's error reply when it gave one, else the network
    // library's words. Never a reply that reads like success.
    const std::string& GetErrorText() const { return m_errorText; }
    Failure GetFailure() const { return m_failure; }
    long GetStallSeconds() const { return m_request.stallSeconds; }
    // Deletes the request's remote file, as a cancel does. False when the
    // printer could not be reached; a file already gone is no failure.
    bool RemoveRemoteFile() const;

private:
    static std::size_t ReadBlocks(char* buffer, std::size_t size, std::size_t count, void* self);
    static std::size_t KeepReplyLine(char* buffer, std::size_t size, std::size_t count, void* self);
    static int TakeSocket(void* self, int fd, int purpose);
    static int CheckCancel(void* self, std::int64_t, std::int64_t, std::int64_t, std::int64_t);

    Result Perform(std::uint64_t fileSize);
    Failure Classify(int code, long response) const;
    bool Cancelled();
    std::string Url(bool withFile) const;
    void ResetDataConnection();
    void SetError(const std::string& text);

    Request m_request;
    IProgressMonitor* m_monitor = nullptr;
    std::FILE* m_file = nullptr;
    std::uint64_t m_fileSize = 0;
    int m_dataSocket = -1;
    // The server has answered the STOR, so a file of that name now holds
    // what was sent of this job, and the monitor has been told to begin.
    bool m_storing = false;
    bool m_cancelled = false;
    int m_readError = 0;
    bool m_complete = false;
    // The last reply refusing something (4xx, 5xx); a preliminary or a
    // positive reply says nothing about a failure.
    std::string m_errorReply;
    std::string m_errorText;
    Failure m_failure = Failure::None;
};
