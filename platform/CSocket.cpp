#include "CSocket.h"

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
    const auto deadline = Clock::now() + timeout;
    addrinfo hints{};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* addresses = nullptr;
    if (getaddrinfo(host.c_str(), std::to_string(port).c_str(), &hints, &addresses) != 0) {
        m_lastError = EHOSTUNREACH;
        return EConnect::ConnectFailed;
    }
    bool created = false;
    for (const addrinfo* address = addresses; address && m_handle < 0; address = address->ai_next)
        m_handle = ConnectOne(*address, deadline, created);
    freeaddrinfo(addresses);
    if (m_handle >= 0)
        return EConnect::Ok;
    return created ? EConnect::ConnectFailed : EConnect::CreateFailed;
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
        pollfd wait{handle, POLLOUT, 0};
        const int ready = poll(&wait, 1, Remaining(deadline));
        socklen_t length = sizeof m_lastError;
        if (ready <= 0)
            m_lastError = ready == 0 ? ETIMEDOUT : errno;
        else if (getsockopt(handle, SOL_SOCKET, SO_ERROR, &m_lastError, &length) != 0)
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
    pollfd wait{m_handle, events, 0};
    for (;;) {
        const int ready = poll(&wait, 1, Remaining(deadline));
        if (ready > 0)
            return true;
        if (ready == 0 || errno != EINTR) {
            m_lastError = ready == 0 ? ETIMEDOUT : errno;
            return false;
        }
    }
}

void CSocket::Close()
{
    if (m_handle >= 0)
        close(m_handle);
    m_handle = -1;
}
