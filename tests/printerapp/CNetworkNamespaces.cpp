#include "CNetworkNamespaces.h"

#include "CProcess.h"

#include <fcntl.h>
#include <sched.h>
#include <unistd.h>

#include <sstream>
#include <vector>

namespace {
void Enter(int space)
{
    if (space >= 0)
        setns(space, CLONE_NEWNET);
}
}

CNetworkNamespaces::CNetworkNamespaces()
    : m_server("qxs-server-" + std::to_string(getpid()))
    , m_client("qxs-client-" + std::to_string(getpid()))
{
    const std::string pair = "qxs" + std::to_string(getpid());
    const std::string serverEnd = pair + "s";
    const std::string clientEnd = pair + "c";
    const bool up = Ip("netns add " + m_server) && Ip("netns add " + m_client) &&
                    Ip("link add " + serverEnd + " type veth peer name " + clientEnd) &&
                    Ip("link set " + serverEnd + " netns " + m_server) &&
                    Ip("link set " + clientEnd + " netns " + m_client) &&
                    Ip("-n " + m_server + " addr add " + kServerAddress + "/24 dev " + serverEnd) &&
                    Ip("-n " + m_client + " addr add " + kClientAddress + "/24 dev " + clientEnd) &&
                    Ip("-n " + m_server + " link set " + serverEnd + " up") &&
                    Ip("-n " + m_client + " link set " + clientEnd + " up") &&
                    Ip("-n " + m_server + " link set lo up") && Ip("-n " + m_client + " link set lo up");
    if (!up && m_refusal.empty())
        m_refusal = "ip failed";
}

CNetworkNamespaces::~CNetworkNamespaces()
{
    // The veth pair goes with the namespaces.
    CProcess::Run("/usr/sbin/ip", {"netns", "del", m_server});
    CProcess::Run("/usr/sbin/ip", {"netns", "del", m_client});
}

bool CNetworkNamespaces::Ip(const std::string& arguments)
{
    std::vector<std::string> args;
    std::istringstream words(arguments);
    for (std::string word; words >> word;)
        args.push_back(word);
    const auto result = CProcess::Run("/usr/sbin/ip", args);
    if (result.exitCode != 0 && m_refusal.empty())
        m_refusal = "ip " + arguments + ": " + result.err;
    return result.exitCode == 0;
}

CNetworkNamespaces::Inside::Inside(const CNetworkNamespaces& namespaces, bool server)
    : m_home(open("/proc/thread-self/ns/net", O_RDONLY | O_CLOEXEC))
{
    const std::string path = "/run/netns/" + (server ? namespaces.m_server : namespaces.m_client);
    const int space = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    Enter(space);
    if (space >= 0)
        close(space);
}

CNetworkNamespaces::Inside::~Inside()
{
    Enter(m_home);
    if (m_home >= 0)
        close(m_home);
}
