#include "CFtpUpload.h"

#include "CMessageService.h"
#include "CPrintJob.h"
#include "CPrinterAddress.h"
#include "CRemoteName.h"
#include "CSocket.h"
#include "IProgressMonitor.h"
#include "ResourceIds.h"

#include <curl/curl.h>
#include <sys/socket.h>
#include <sys/stat.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstring>
#include <memory>
#include <type_traits>

static_assert(std::is_same_v<curl_off_t, std::int64_t>, "the progress callback takes curl_off_t");

namespace {
// Blocks handed to libcurl per read call: one network write per 4096 bytes
// would make the upload slow, and the printer sees the same bytes.
constexpr std::size_t kBlocksPerCall = 64;
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

// "550 ..." or "452 ...": the last line of a reply that refuses.
bool IsErrorReply(const std::string& line)
{
    const auto digit = [&line](std::size_t at) { return std::isdigit(static_cast<unsigned char>(line[at])) != 0; };
    return line.size() >= 4 && (line[0] == '4' || line[0] == '5') && digit(1) && digit(2) && line[3] == ' ';
}

bool IsStorageFull(long response)
{
    return response == 452 || response == 552;
}
}

CFtpUpload::CFtpUpload(Request request)
    : m_request(std::move(request))
{
}

std::optional<CFtpUpload::Request> CFtpUpload::RequestFor(const CPrintJob& job, const std::string& user,
                                                         const std::string& password, const std::string& localPath)
{
    const auto address = CPrinterAddress::Parse(job.GetPrinterName());
    if (!address) {
        CMessageService::Show(ResId::kNoAnswerMessage, job.GetPrinterName());
        return std::nullopt;
    }
    const auto name = CRemoteName::FileName(job);
    if (!name)
        return std::nullopt;
    return Request{address->GetHost(), address->GetPort(), user, password,
                   CRemoteName::Folder(job.GetPrinterNumber()), *name, localPath};
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
    m_errorReply.clear();
    m_failure = Failure::None;
    m_dataSocket = -1;
    m_storing = m_cancelled = m_complete = false;
    m_readError = 0;
    m_file = std::fopen(m_request.localPath.c_str(), "rb");
    if (!m_file) {
        m_failure = Failure::Other;
        SetError("Cannot open " + m_request.localPath + ": " + std::strerror(errno));
        return Result::Failed;
    }
    // Blocks of 4096 bytes come out of a buffer that one system call fills.
    std::setvbuf(m_file, nullptr, _IOFBF, kBlockSize * kBlocksPerCall);
    struct stat info {};
    fstat(fileno(m_file), &info);
    m_fileSize = static_cast<std::uint64_t>(info.st_size);
    const Result result = Perform(m_fileSize);
    std::fclose(m_file);
    m_file = nullptr;
    if (!m_storing)
        return result;
    // libcurl stops asking for data once the announced size has gone, so
    // the end of the file is not always read.
    monitor.End();
    if (result != Result::Finished)
        RemoveRemoteFile();
    return result;
}

CFtpUpload::Result CFtpUpload::Perform(std::uint64_t fileSize)
{
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
    curl_easy_setopt(handle, CURLOPT_INFILESIZE_LARGE, static_cast<curl_off_t>(fileSize));
    curl_easy_setopt(handle, CURLOPT_UPLOAD_BUFFERSIZE, static_cast<long>(kBlockSize * kBlocksPerCall));
    curl_easy_setopt(handle, CURLOPT_READFUNCTION, &CFtpUpload::ReadBlocks);
    curl_easy_setopt(handle, CURLOPT_READDATA, this);
    curl_easy_setopt(handle, CURLOPT_HEADERFUNCTION, &CFtpUpload::KeepReplyLine);
    curl_easy_setopt(handle, CURLOPT_HEADERDATA, this);
    curl_easy_setopt(handle, CURLOPT_SOCKOPTFUNCTION, &CFtpUpload::TakeSocket);
    curl_easy_setopt(handle, CURLOPT_SOCKOPTDATA, this);
    // Also asked while the printer takes nothing, when no block is read.
    curl_easy_setopt(handle, CURLOPT_XFERINFOFUNCTION, &CFtpUpload::CheckCancel);
    curl_easy_setopt(handle, CURLOPT_XFERINFODATA, this);
    curl_easy_setopt(handle, CURLOPT_NOPROGRESS, 0L);
    curl_easy_setopt(handle, CURLOPT_CONNECTTIMEOUT, m_request.connectSeconds);
    curl_easy_setopt(handle, CURLOPT_SERVER_RESPONSE_TIMEOUT, m_request.connectSeconds);
    curl_easy_setopt(handle, CURLOPT_ACCEPTTIMEOUT_MS, m_request.connectSeconds * 1000);
    curl_easy_setopt(handle, CURLOPT_LOW_SPEED_LIMIT, 1L);
    curl_easy_setopt(handle, CURLOPT_LOW_SPEED_TIME, m_request.stallSeconds);

    const CURLcode code = curl_easy_perform(handle);
    long response = 0;
    curl_easy_getinfo(handle, CURLINFO_RESPONSE_CODE, &response);
    if (m_cancelled)
        return Result::Cancelled;
    if (m_readError != 0) {
        m_failure = Failure::Other;
        SetError("Cannot read " + m_request.localPath + ": " + std::strerror(m_readError));
        return Result::Failed;
    }
    if (code == CURLE_OK)
        return Result::Finished;
    m_failure = Classify(code, response);
    SetError(!m_errorReply.empty() ? m_errorReply : curl_easy_strerror(code));
    return Result::Failed;
}

// response: the code of the printer's last reply, 0 when none came.
CFtpUpload::Failure CFtpUpload::Classify(int code, long response) const
{
    switch (code) {
    case CURLE_LOGIN_DENIED:
        return Failure::LoginRefused;
    case CURLE_COULDNT_CONNECT:
        return Failure::ConnectionRefused;
    case CURLE_COULDNT_RESOLVE_HOST:
        return CSocket::LookUp(m_request.host) == CSocket::ELookup::UnknownHost ? Failure::UnknownHost
                                                                                 : Failure::NoAnswer;
    case CURLE_FTP_ACCEPT_TIMEOUT:
        return Failure::NoAnswer;
    case CURLE_OPERATION_TIMEDOUT:
        // Either the data stopped moving, or a reply never came.
        return m_storing && !m_complete ? Failure::Stalled : Failure::NoAnswer;
    default:
        break;
    }
    if (IsStorageFull(response))
        return Failure::StorageFull;
    if (response >= 400)
        return Failure::Refused;
    switch (code) {
    case CURLE_SEND_ERROR:
    case CURLE_RECV_ERROR:
    case CURLE_GOT_NOTHING:
    case CURLE_PARTIAL_FILE:
    case CURLE_WEIRD_SERVER_REPLY:
    case CURLE_UPLOAD_FAILED:
        return Failure::HungUp;
    default:
        return Failure::Other;
    }
}

bool CFtpUpload::Cancelled()
{
    if (!m_cancelled && m_monitor->IsCancelled()) {
        m_cancelled = true;
        ResetDataConnection();
    }
    return m_cancelled;
}

std::size_t CFtpUpload::ReadBlocks(char* buffer, std::size_t size, std::size_t count, void* self)
{
    auto* upload = static_cast<CFtpUpload*>(self);
    const std::size_t room = size * count;
    std::size_t filled = 0;
    while (!upload->m_complete && filled < room) {
        if (upload->Cancelled())
            return CURL_READFUNC_ABORT;
        const std::size_t got = std::fread(buffer + filled, 1, std::min(kBlockSize, room - filled), upload->m_file);
        if (got == 0 && std::ferror(upload->m_file)) {
            // A job cut short here would be printed as if it were whole.
            upload->m_readError = errno ? errno : EIO;
            upload->ResetDataConnection();
            return CURL_READFUNC_ABORT;
        }
        if (got == 0) {
            upload->m_complete = true;
            break;
        }
        filled += got;
        upload->m_monitor->Advance(got);
    }
    return filled;
}

int CFtpUpload::CheckCancel(void* self, std::int64_t, std::int64_t, std::int64_t, std::int64_t)
{
    return static_cast<CFtpUpload*>(self)->Cancelled() ? 1 : 0;
}

std::size_t CFtpUpload::KeepReplyLine(char* buffer, std::size_t size, std::size_t count, void* self)
{
    auto* upload = static_cast<CFtpUpload*>(self);
    std::string line(buffer, size * count);
    while (!line.empty() && (line.back() == '\n' || line.back() == '\r'))
        line.pop_back();
    if (line.empty())
        return size * count;
    if (IsErrorReply(line))
        upload->m_errorReply = line;
    // The only preliminary replies of the session are those to the STOR.
    if (line[0] == '1' && !upload->m_storing) {
        upload->m_storing = true;
        upload->m_monitor->Begin(upload->m_fileSize);
    }
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

bool CFtpUpload::RemoveRemoteFile() const
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
    curl_easy_setopt(handle, CURLOPT_CONNECTTIMEOUT, m_request.connectSeconds);
    curl_easy_setopt(handle, CURLOPT_SERVER_RESPONSE_TIMEOUT, m_request.connectSeconds);
    const CURLcode code = curl_easy_perform(handle);
    curl_slist_free_all(commands);
    // A refused DELE: the printer has already taken the file.
    return code == CURLE_OK || code == CURLE_QUOTE_ERROR;
}

void CFtpUpload::SetError(const std::string& text)
{
    m_errorText = text.substr(0, kMaxErrorText);
    while (!m_errorText.empty() && (m_errorText.back() == '\n' || m_errorText.back() == '\r'))
        m_errorText.pop_back();
}
