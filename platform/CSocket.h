#pragma once

#include <chrono>
#include <cstddef>
#include <string>
#include <string_view>

struct addrinfo;
class CCancellation;

// A blocking TCP stream socket whose every wait has a limit. All socket
// calls of the program live here, so that only this class knows the
// platform's socket interface.
class CSocket {
public:
    enum class EConnect { Ok, CreateFailed, ConnectFailed, UnknownHost, Cancelled };
    enum class ELookup { Found, UnknownHost, Failed };

    CSocket() = default;
    ~CSocket();
    CSocket(const CSocket&) = delete;
    CSocket& operator=(const CSocket&) = delete;

    // Every later wait also ends, failing with ECANCELED, once it is raised.
    void SetCancellation(const CCancellation* cancellation) { m_cancellation = cancellation; }
    // Whether the name service knows the host: a name it has never heard
    // of is not the same as a name service that cannot be asked just now.
    static ELookup LookUp(const std::string& host);
    // Tries the addresses of host (a name, an IPv4 or an IPv6 address) in
    // turn until one accepts, within timeout for all of them.
    EConnect Connect(const std::string& host, unsigned short port, std::chrono::milliseconds timeout);
    // Sends every byte or fails; gives up when the peer takes nothing for
    // timeout.
    bool SendAll(std::string_view bytes, std::chrono::milliseconds timeout);
    // Waits at most timeout for data and reads up to size bytes of it: the
    // count, 0 when the peer has closed its side, -1 on an error (also when
    // nothing came in time; LastError() tells which).
    long Receive(char* buffer, std::size_t size, std::chrono::milliseconds timeout);
    // Like Receive, but the bytes stay to be received again.
    long Peek(char* buffer, std::size_t size, std::chrono::milliseconds timeout);
    // Closes both directions at once: some servers end the whole session
    // as soon as the sending side alone is shut down.
    void Close();

    bool IsOpen() const { return m_handle >= 0; }
    // The platform's error number of the last failure.
    int LastError() const { return m_lastError; }

private:
    bool WaitFor(short events, std::chrono::steady_clock::time_point deadline);
    // poll on the handle and the cancellation: 1 ready, 0 timed out, -1 an
    // error or a cancel (m_lastError tells which).
    int PollHandle(int handle, short events, std::chrono::steady_clock::time_point deadline);
    long Read(char* buffer, std::size_t size, std::chrono::milliseconds timeout, int flags);
    // The connected handle, or -1 with m_lastError set; created tells
    // whether a socket could be made at all.
    int ConnectOne(const addrinfo& address, std::chrono::steady_clock::time_point deadline, bool& created);

    int m_handle = -1;
    int m_lastError = 0;
    const CCancellation* m_cancellation = nullptr;
};
