#include "CSocket.h"

#include "CCancellation.h"

#include <fcntl.h>
#include <netdb.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>

namespace {
using Clock = std::chrono::steady_clock;

int Remaining(Clock::time_point deadline)
{
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
    return left > 0 ? static_cast<int>(left) : 0;
}
}

CSocket::~CSocket()
{
    Close();
}

CSocket::EConnect CSocket::Connect(const std::string& host, unsigned short port, std::chrono::milliseconds timeout)
{
    Close();
    m_lastError = 0;
    const auto deadline = Clock::now() + timeout;
    addrinfo hints{};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* addresses = nullptr;
    if (const int looked = getaddrinfo(host.c_str(), std::to_string(port).c_str(), &hints, &addresses); looked != 0) {
        m_lastError = EHOSTUNREACH;
        return looked == EAI_NONAME ? EConnect::UnknownHost : EConnect::ConnectFailed;
    }
    bool created = false;
    for (const addrinfo* address = addresses; address && m_handle < 0 && m_lastError != ECANCELED;
         address = address->ai_next)
        m_handle = ConnectOne(*address, deadline, created);
    freeaddrinfo(addresses);
    if (m_handle >= 0)
        return EConnect::Ok;
    if (m_lastError == ECANCELED)
        return EConnect::Cancelled;
    return created ? EConnect::ConnectFailed : EConnect::CreateFailed;
}

CSocket::ELookup CSocket::LookUp(const std::string& host)
{
    addrinfo hints{};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* addresses = nullptr;
    const int looked = getaddrinfo(host.c_str(), nullptr, &hints, &addresses);
    if (looked == 0)
        freeaddrinfo(addresses);
    return looked == 0 ? ELookup::Found : looked == EAI_NONAME ? ELookup::UnknownHost : ELookup::Failed;
}

int CSocket::ConnectOne(const addrinfo& address, Clock::time_point deadline, bool& created)
{
    const int handle = socket(address.ai_family, address.ai_socktype | SOCK_CLOEXEC, address.ai_protocol);
    if (handle < 0) {
        m_lastError = errno;
        return -1;
    }
    created = true;
    // Non-blocking from here on: every wait goes through poll with a limit.
    const int flags = fcntl(handle, F_GETFL);
    m_lastError = 0;
    if (flags < 0 || fcntl(handle, F_SETFL, flags | O_NONBLOCK) < 0)
        m_lastError = errno;
    else if (connect(handle, address.ai_addr, address.ai_addrlen) != 0)
        m_lastError = errno;
    if (m_lastError == EINPROGRESS) {
        const int ready = PollHandle(handle, POLLOUT, deadline);
        socklen_t length = sizeof m_lastError;
        if (ready == 0)
            m_lastError = ETIMEDOUT;
        else if (ready > 0 && getsockopt(handle, SOL_SOCKET, SO_ERROR, &m_lastError, &length) != 0)
            m_lastError = errno;
    }
    if (m_lastError != 0) {
        close(handle);
        return -1;
    }
    return handle;
}

bool CSocket::SendAll(std::string_view bytes, std::chrono::milliseconds timeout)
{
    while (!bytes.empty()) {
        if (!WaitFor(POLLOUT, Clock::now() + timeout))
            return false;
        // MSG_NOSIGNAL: a peer that has gone away is an error, not a signal.
        const ssize_t sent = send(m_handle, bytes.data(), bytes.size(), MSG_NOSIGNAL);
        if (sent < 0 && errno != EAGAIN && errno != EWOULDBLOCK && errno != EINTR) {
            m_lastError = errno;
            return false;
        }
        if (sent > 0)
            bytes.remove_prefix(static_cast<std::size_t>(sent));
    }
    return true;
}

long CSocket::Receive(char* buffer, std::size_t size, std::chrono::milliseconds timeout)
{
    return Read(buffer, size, timeout, 0);
}

long CSocket::Peek(char* buffer, std::size_t size, std::chrono::milliseconds timeout)
{
    return Read(buffer, size, timeout, MSG_PEEK);
}

long CSocket::Read(char* buffer, std::size_t size, std::chrono::milliseconds timeout, int flags)
{
    const auto deadline = Clock::now() + timeout;
    for (;;) {
        if (!WaitFor(POLLIN, deadline))
            return -1;
        const ssize_t received = recv(m_handle, buffer, size, flags);
        if (received >= 0)
            return static_cast<long>(received);
        if (errno != EAGAIN && errno != EWOULDBLOCK && errno != EINTR) {
            m_lastError = errno;
            return -1;
        }
    }
}

bool CSocket::WaitFor(short events, Clock::time_point deadline)
{
    if (m_handle < 0) {
        m_lastError = ENOTCONN;
        return false;
    }
    const int ready = PollHandle(m_handle, events, deadline);
    if (ready == 0)
        m_lastError = ETIMEDOUT;
    return ready > 0;
}

int CSocket::PollHandle(int handle, short events, Clock::time_point deadline)
{
    pollfd waits[2] = {{handle, events, 0}, {m_cancellation ? m_cancellation->Fd() : -1, POLLIN, 0}};
    for (;;) {
        if (m_cancellation && m_cancellation->IsCancelled()) {
            m_lastError = ECANCELED;
            return -1;
        }
        const int ready = poll(waits, 2, Remaining(deadline));
        if (ready > 0 && waits[0].revents != 0)
            return 1;
        if (ready == 0)
            return 0;
        if (ready < 0 && errno != EINTR) {
            m_lastError = errno;
            return -1;
        }
    }
}

void CSocket::Close()
{
    if (m_handle >= 0)
        close(m_handle);
    m_handle = -1;
}
