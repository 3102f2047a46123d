#include "CFtpUpload.h"

#include "CMessageService.h"
#include "CPrintJob.h"
#include "CPrinterAddress.h"
#include "CRemoteName.h"
#include "IProgressMonitor.h"

#include <curl/curl.h>
#include <sys/socket.h>
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <memory>

namespace {
constexpr std::size_t kBlockSize = 4096;
// Blocks handed to libcurl per read call: one network write per 4096 bytes
// would make the upload slow, and the printer sees the same bytes.
constexpr std::size_t kBlocksPerCall = 16;
constexpr std::size_t kMaxErrorText = 1023;

struct CurlDeleter {
    void operator()(CURL* curl) const { curl_easy_cleanup(curl); }
};
using CurlHandle = std::unique_ptr<CURL, CurlDeleter>;

struct CurlGlobal {
    CurlGlobal() { curl_global_init(CURL_GLOBAL_DEFAULT); }
};

CurlHandle NewHandle()
{
    static CurlGlobal global;
    return CurlHandle(curl_easy_init());
}

std::string Escape(CURL* curl, const std::string& text)
{
    char* escaped = curl_easy_escape(curl, text.c_str(), static_cast<int>(text.size()));
    std::string result = escaped ? escaped : "";
    curl_free(escaped);
    return result;
}

std::string HostForUrl(const std::string& host)
{
    return host.find(':') != std::string::npos ? "[" + host + "]" : host;
}
}

CFtpUpload::CFtpUpload(Request request)
    : m_request(std::move(request))
{
}

std::optional<CFtpUpload::Request> CFtpUpload::RequestFor(const CPrintJob& job, const std::string& user,
                                                         const std::string& password)
{
    const auto address = CPrinterAddress::Parse(job.GetPrinterName());
    if (!address) {
        CMessageService::Show(kBadAddressMessage, job.GetPrinterName());
        return std::nullopt;
    }
    const auto name = CRemoteName::FileName(job);
    if (!name)
        return std::nullopt;
    return Request{address->GetHost(), address->GetPort(), user, password,
                   CRemoteName::Folder(job.GetPrinterNumber()), *name, job.GetSendFilePath()};
}

void CFtpUpload::SetTimeouts(long connectSeconds, long stallSeconds)
{
    m_connectSeconds = connectSeconds;
    m_stallSeconds = stallSeconds;
}

std::string CFtpUpload::Url(bool withFile) const
{
    CurlHandle curl = NewHandle();
    std::string url = "ftp://" + HostForUrl(m_request.host) + ":" + std::to_string(m_request.port) + "/" +
                      Escape(curl.get(), m_request.remoteFolder) + "/";
    return withFile ? url + Escape(curl.get(), m_request.remoteName) : url;
}

CFtpUpload::Result CFtpUpload::Run(IProgressMonitor& monitor)
{
    m_monitor = &monitor;
    m_errorText.clear();
    m_file = std::fopen(m_request.localPath.c_str(), "rb");
    if (!m_file) {
        SetError("Cannot open " + m_request.localPath + ": " + std::strerror(errno));
        return Result::Failed;
    }
    struct stat info {};
    fstat(fileno(m_file), &info);
    CurlHandle curl = NewHandle();
    CURL* handle = curl.get();
    const std::string url = Url(true);
    curl_easy_setopt(handle, CURLOPT_URL, url.c_str());
    curl_easy_setopt(handle, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(handle, CURLOPT_USERNAME, m_request.user.c_str());
    curl_easy_setopt(handle, CURLOPT_PASSWORD, m_request.password.c_str());
    curl_easy_setopt(handle, CURLOPT_FTPPORT, "-");
    curl_easy_setopt(handle, CURLOPT_TRANSFERTEXT, 0L);
    curl_easy_setopt(handle, CURLOPT_UPLOAD, 1L);
    curl_easy_setopt(handle, CURLOPT_INFILESIZE_LARGE, static_cast<curl_off_t>(info.st_size));
    curl_easy_setopt(handle, CURLOPT_UPLOAD_BUFFERSIZE, static_cast<long>(kBlockSize * kBlocksPerCall));
    curl_easy_setopt(handle, CURLOPT_READFUNCTION, &CFtpUpload::ReadBlocks);
    curl_easy_setopt(handle, CURLOPT_READDATA, this);
    curl_easy_setopt(handle, CURLOPT_HEADERFUNCTION, &CFtpUpload::KeepReplyLine);
    curl_easy_setopt(handle, CURLOPT_HEADERDATA, this);
    curl_easy_setopt(handle, CURLOPT_SOCKOPTFUNCTION, &CFtpUpload::TakeSocket);
    curl_easy_setopt(handle, CURLOPT_SOCKOPTDATA, this);
    curl_easy_setopt(handle, CURLOPT_CONNECTTIMEOUT, m_connectSeconds);
    curl_easy_setopt(handle, CURLOPT_SERVER_RESPONSE_TIMEOUT, m_connectSeconds);
    curl_easy_setopt(handle, CURLOPT_ACCEPTTIMEOUT_MS, m_connectSeconds * 1000);
    curl_easy_setopt(handle, CURLOPT_LOW_SPEED_LIMIT, 1L);
    curl_easy_setopt(handle, CURLOPT_LOW_SPEED_TIME, m_stallSeconds);

    monitor.Begin(static_cast<std::uint64_t>(info.st_size));
    const CURLcode code = curl_easy_perform(handle);
    long response = 0;
    curl_easy_getinfo(handle, CURLINFO_RESPONSE_CODE, &response);
    curl.reset();
    std::fclose(m_file);
    m_file = nullptr;
    if (m_cancelled) {
        DeletePartialFile();
        return Result::Cancelled;
    }
    if (code == CURLE_OK)
        return Result::Finished;
    std::string text = curl_easy_strerror(code);
    if (!m_lastReply.empty())
        text += "\n" + m_lastReply;
    else if (response != 0)
        text += "\n" + std::to_string(response);
    SetError(text);
    return Result::Failed;
}

std::size_t CFtpUpload::ReadBlocks(char* buffer, std::size_t size, std::size_t count, void* self)
{
    auto* upload = static_cast<CFtpUpload*>(self);
    const std::size_t room = size * count;
    std::size_t filled = 0;
    while (!upload->m_complete && filled < room) {
        if (upload->m_monitor->IsCancelled()) {
            upload->m_cancelled = true;
            upload->ResetDataConnection();
            return CURL_READFUNC_ABORT;
        }
        const std::size_t got = std::fread(buffer + filled, 1, std::min(kBlockSize, room - filled), upload->m_file);
        if (got == 0) {
            upload->m_complete = true;
            upload->m_monitor->End();
            break;
        }
        filled += got;
        upload->m_monitor->Advance(got);
    }
    return filled;
}

std::size_t CFtpUpload::KeepReplyLine(char* buffer, std::size_t size, std::size_t count, void* self)
{
    std::string line(buffer, size * count);
    while (!line.empty() && (line.back() == '\n' || line.back() == '\r'))
        line.pop_back();
    if (!line.empty())
        static_cast<CFtpUpload*>(self)->m_lastReply = line;
    return size * count;
}

int CFtpUpload::TakeSocket(void* self, int fd, int purpose)
{
    // In active mode the data connection is the one the server opens to us.
    if (purpose == CURLSOCKTYPE_ACCEPT)
        static_cast<CFtpUpload*>(self)->m_dataSocket = fd;
    return CURL_SOCKOPT_OK;
}

// A normal close would tell the printer the job is complete, and it would
// print the truncated file; a reset makes it discard the transfer.
void CFtpUpload::ResetDataConnection()
{
    if (m_dataSocket < 0)
        return;
    const linger reset{1, 0};
    setsockopt(m_dataSocket, SOL_SOCKET, SO_LINGER, &reset, sizeof reset);
}

void CFtpUpload::DeletePartialFile()
{
    CurlHandle curl = NewHandle();
    CURL* handle = curl.get();
    const std::string url = Url(false);
    const std::string command = "DELE " + m_request.remoteName;
    // The URL names the folder, so the command runs in it.
    curl_slist* commands = curl_slist_append(nullptr, command.c_str());
    curl_easy_setopt(handle, CURLOPT_URL, url.c_str());
    curl_easy_setopt(handle, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(handle, CURLOPT_USERNAME, m_request.user.c_str());
    curl_easy_setopt(handle, CURLOPT_PASSWORD, m_request.password.c_str());
    curl_easy_setopt(handle, CURLOPT_NOBODY, 1L);
    curl_easy_setopt(handle, CURLOPT_POSTQUOTE, commands);
    curl_easy_setopt(handle, CURLOPT_CONNECTTIMEOUT, m_connectSeconds);
    curl_easy_setopt(handle, CURLOPT_SERVER_RESPONSE_TIMEOUT, m_connectSeconds);
    curl_easy_perform(handle);  // a file the printer already took is no failure
    curl_slist_free_all(commands);
}

void CFtpUpload::SetError(const std::string& text)
{
    m_errorText = text.substr(0, kMaxErrorText);
    while (!m_errorText.empty() && (m_errorText.back() == '\n' || m_errorText.back() == '\r'))
        m_errorText.pop_back();
}
