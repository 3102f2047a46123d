#include "CMVFTP.h"

#include "CCancellation.h"
#include "CExtensionConfig.h"
#include "CMessageService.h"
#include "CPrinterAddress.h"
#include "CPrinterModels.h"
#include "CStatusReply.h"

#include <cerrno>
#include <thread>
#include <vector>

namespace {
using std::chrono::milliseconds;

constexpr std::size_t kGreetingPiece = 1024;
constexpr std::size_t kReplyPiece = 2049;
constexpr std::size_t kStatusPiece = 2048;
// Bounds what a misbehaving server can make us keep.
constexpr std::size_t kMaxReply = 65536;

constexpr milliseconds kStatusWait{500};
constexpr milliseconds kSettleWait{100};
// A printer that has answered part of its status, or something else (a
// refused log-in), gets this long to add to it before an attempt fails.
constexpr milliseconds kLaterAttemptWait{1000};
constexpr milliseconds kEmptyPeekWait{1000};
constexpr int kMaxEmptyPeeks = 4;
constexpr int kStatusAttempts = 3;

constexpr const char* kCreateError = "Socket create error. (Err no=%d)";
constexpr const char* kUserPassError = "USER/PASS error. (Err no=%d)";
constexpr const char* kSocketError = "Socket error. (Err no=%d)";

constexpr const char* kStatusRequest = "SS\r\n";
}

CMVFTP::CMVFTP(milliseconds timeout, DigitSource minimumVersionDigit)
    : m_timeout(timeout), m_minimumVersionDigit(std::move(minimumVersionDigit))
{
    if (!m_minimumVersionDigit)
        m_minimumVersionDigit = &CExtensionConfig::GetMinimumVersionDigit;
}

void CMVFTP::SetCancellation(const CCancellation* cancellation)
{
    std::lock_guard lock(m_lock);
    m_cancellation = cancellation;
    m_socket.SetCancellation(cancellation);
}

CPrinterQuery::Failure CMVFTP::GetFailure() const
{
    std::lock_guard lock(m_lock);
    return m_failure;
}

bool CMVFTP::ConnectPrinter(const std::string& host)
{
    std::lock_guard lock(m_lock);
    m_failure = CPrinterQuery::Failure::NoAnswer;
    const auto address = CPrinterAddress::Parse(host);
    if (!address)
        return false;
    switch (m_socket.Connect(address->GetHost(), address->GetPort(), m_timeout)) {
    case CSocket::EConnect::CreateFailed:
        Fail(kCreateError);
        return false;
    case CSocket::EConnect::UnknownHost:
        m_failure = CPrinterQuery::Failure::UnknownHost;
        return false;
    case CSocket::EConnect::Cancelled:
        m_failure = CPrinterQuery::Failure::Cancelled;
        return false;
    case CSocket::EConnect::ConnectFailed:
        m_socket.Close();
        return false;
    case CSocket::EConnect::Ok:
        break;
    }
    std::string greeting;
    if (!ReceiveAvailable(kGreetingPiece, greeting)) {
        m_socket.Close();
        return false;
    }
    m_lastReply = greeting;
    return true;
}

bool CMVFTP::SendLine(const std::string& line)
{
    std::lock_guard lock(m_lock);
    m_lastReply.clear();
    if (!m_socket.SendAll(line + "\r\n", m_timeout)) {
        NoteFailure(-1);
        Fail(kUserPassError);
        return false;
    }
    return ReadReply();
}

bool CMVFTP::ReadReply()
{
    std::vector<char> buffer(kReplyPiece);
    // A peek of 0 bytes means the printer has closed its side; it gets a
    // few chances to come back before the dialogue gives up.
    for (int emptyPeeks = 0;;) {
        const long peeked = m_socket.Peek(buffer.data(), buffer.size(), m_timeout);
        if (peeked > 0)
            break;
        if (peeked < 0) {
            NoteFailure(peeked);
            Fail(kCreateError);
            return false;
        }
        if (!Pause(kEmptyPeekWait)) {
            m_failure = CPrinterQuery::Failure::Cancelled;
            return false;
        }
        if (++emptyPeeks == kMaxEmptyPeeks) {
            m_failure = CPrinterQuery::Failure::HungUp;
            return false;
        }
    }
    if (!ReceiveAvailable(kReplyPiece, m_lastReply)) {
        Fail(kCreateError);
        return false;
    }
    return true;
}

// Waits for the first piece, then takes whatever else has already arrived,
// one buffer at a time, so that a long reply is read whole.
bool CMVFTP::ReceiveAvailable(std::size_t pieceSize, std::string& text)
{
    std::vector<char> buffer(pieceSize);
    long received = m_socket.Receive(buffer.data(), buffer.size(), m_timeout);
    if (received <= 0) {
        NoteFailure(received);
        return false;
    }
    do {
        text.append(buffer.data(), static_cast<std::size_t>(received));
        received = m_socket.Receive(buffer.data(), buffer.size(), milliseconds(0));
    } while (received > 0 && text.size() < kMaxReply);
    return true;
}

bool CMVFTP::QueryStatus()
{
    std::lock_guard lock(m_lock);
    if (!m_socket.SendAll(kStatusRequest, m_timeout)) {
        NoteFailure(-1);
        Fail(kSocketError);
        return false;
    }
    m_statusReply.clear();
    for (int attempt = 0; attempt <= kStatusAttempts; ++attempt) {
        if (!Pause(kStatusWait)) {
            m_failure = CPrinterQuery::Failure::Cancelled;
            m_socket.Close();
            return false;
        }
        if (attempt < kStatusAttempts && ParseStatusReply(attempt == 0 ? m_timeout : kLaterAttemptWait))
            break;
    }
    m_socket.Close();
    m_failure = CPrinterQuery::Failure::None;
    return true;
}

// One classification attempt on all of the status reply received so far.
bool CMVFTP::ParseStatusReply(milliseconds peekWait)
{
    std::vector<char> buffer(kStatusPiece);
    if (m_socket.Peek(buffer.data(), buffer.size(), peekWait) <= 0) {
        SetResult(CPrinterModels::kOthers, 0);
        return false;
    }
    std::this_thread::sleep_for(kSettleWait);
    if (m_statusReply.size() < kMaxReply)
        ReceiveAvailable(kStatusPiece, m_statusReply);
    m_lastReply = m_statusReply;
    return Classify(m_statusReply);
}

bool CMVFTP::Classify(const std::string& reply)
{
    const auto status = CStatusReply::Classify(reply, m_minimumVersionDigit);
    if (!status) {
        SetResult(CPrinterModels::kOthers, 0);
        return false;
    }
    SetResult(status->controllerName, status->psPdfOption, status->model);
    return true;
}

void CMVFTP::SetResult(const std::string& controllerName, int psPdfOption, const std::string& model)
{
    m_controllerName = controllerName;
    m_psPdfOption = psPdfOption;
    m_model = model;
}

void CMVFTP::NoteFailure(long received)
{
    const int error = m_socket.LastError();
    if (error == ECANCELED)
        m_failure = CPrinterQuery::Failure::Cancelled;
    else if (received == 0 || error == EPIPE || error == ECONNRESET)
        m_failure = CPrinterQuery::Failure::HungUp;
    else
        m_failure = CPrinterQuery::Failure::NoAnswer;
}

bool CMVFTP::Pause(std::chrono::milliseconds duration) const
{
    if (m_cancellation)
        return m_cancellation->Pause(duration);
    std::this_thread::sleep_for(duration);
    return true;
}

// A cancel is no failure to tell the user about.
void CMVFTP::Fail(const std::string& format)
{
    if (m_failure == CPrinterQuery::Failure::Cancelled) {
        m_socket.Close();
        return;
    }
    m_lastReply = format;
    m_lastReply.replace(m_lastReply.find("%d"), 2, std::to_string(m_socket.LastError()));
    CMessageService::ShowText(m_lastReply);
    m_socket.Close();
}

std::string CMVFTP::GetControllerName() const
{
    std::lock_guard lock(m_lock);
    return m_controllerName;
}

int CMVFTP::HasPsPdfOption() const
{
    std::lock_guard lock(m_lock);
    return m_psPdfOption;
}

std::string CMVFTP::GetModelName() const
{
    std::lock_guard lock(m_lock);
    return m_model;
}

std::string CMVFTP::GetLastReply() const
{
    std::lock_guard lock(m_lock);
    return m_lastReply;
}

void CMVFTP::Close()
{
    std::lock_guard lock(m_lock);
    m_socket.Close();
}
