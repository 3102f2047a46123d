#pragma once

#include <string>

// Two network namespaces joined by a veth pair on 192.0.2.0/24, the
// server's (kServerAddress) and the client's (kClientAddress), each with its
// own loopback; removed with the object, whatever the test did meanwhile.
class CNetworkNamespaces {
public:
    static constexpr const char* kServerAddress = "192.0.2.1";
    static constexpr const char* kClientAddress = "192.0.2.2";

    CNetworkNamespaces();
    ~CNetworkNamespaces();
    CNetworkNamespaces(const CNetworkNamespaces&) = delete;
    CNetworkNamespaces& operator=(const CNetworkNamespaces&) = delete;

    // Empty when both are up; else what refused them (no root, no ip).
    const std::string& Refusal() const { return m_refusal; }

    // The calling thread's sockets and the processes it starts are in one
    // of the namespaces until the object goes.
    class Inside {
    public:
        Inside(const CNetworkNamespaces& namespaces, bool server);
        ~Inside();
        Inside(const Inside&) = delete;
        Inside& operator=(const Inside&) = delete;

    private:
        int m_home;
    };

private:
    bool Ip(const std::string& arguments);
    std::string m_server;
    std::string m_client;
    std::string m_refusal;
};
