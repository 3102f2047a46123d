#include "CFtpUpload.h"

#include "CRecordingMonitor.h"
#include "CTempDir.h"
#include "LoopbackPort.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/time.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <thread>

// The upload against a stock FTP server, Debian's vsftpd, so that the client
// is not only shown to work with our own simulator.
namespace {
using namespace std::chrono_literals;

constexpr const char* kVsftpd = "/usr/sbin/vsftpd";

int Connect(int port)
{
    const int fd = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = htons(static_cast<std::uint16_t>(port));
    if (connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0)
        return fd;
    close(fd);
    return -1;
}

bool Accepts(int port)
{
    const int fd = Connect(port);
    if (fd >= 0)
        close(fd);
    return fd >= 0;
}

// The greeting and the answer to an anonymous log-in. vsftpd says what keeps
// it from serving here (a missing user, no chroot allowed) with "500 OOPS".
std::string LogInReplies(int port)
{
    const int fd = Connect(port);
    if (fd < 0)
        return "no connection";
    const timeval timeout{5, 0};
    setsockopt(fd, SOL_SOCKET, SO_RCVTIMEO, &timeout, sizeof timeout);
    std::string replies;
    char buffer[512];
    for (const char* line : {"", "USER anonymous\r\n"}) {
        if (*line && send(fd, line, std::strlen(line), MSG_NOSIGNAL) < 0)
            break;
        const ssize_t n = recv(fd, buffer, sizeof buffer, 0);
        if (n <= 0)
            break;
        replies.append(buffer, static_cast<std::size_t>(n));
    }
    close(fd);
    return replies;
}

// vsftpd with anonymous upload into root/plt00p on a free loopback port,
// in its own folder. As root it runs the sessions as the "ftp" user that
// the package creates, chrooted into the root folder; as any other user it
// stays that user.
class CVsftpd {
public:
    CVsftpd()
    {
        // Sessions run as another user when started by root.
        chmod(m_dir.Path().c_str(), 0755);
        std::filesystem::create_directories(Root() + "plt00p");
        std::filesystem::create_directories(m_dir.File("empty"));
        chmod(Root().c_str(), 0755);
        chmod((Root() + "plt00p").c_str(), 0777);
        for (int attempt = 0; attempt < 3 && !Start(); ++attempt) {
            if (m_log.find("bind") == std::string::npos)
                break;
        }
    }

    ~CVsftpd() { Stop(); }

    bool IsRunning() const { return m_pid > 0; }
    int Port() const { return m_port; }
    // Why it did not start.
    const std::string& Log() const { return m_log; }
    std::string Root() const { return m_dir.File("root/"); }

private:
    bool Start()
    {
        m_port = FreeLoopbackPort();
        const std::string config = m_dir.File("vsftpd.conf");
        std::ofstream(config) << Config();
        const std::string log = m_dir.File("vsftpd.out");
        m_pid = fork();
        if (m_pid == 0) {
            const int fd = open(log.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
            dup2(fd, 1);
            dup2(fd, 2);
            execl(kVsftpd, kVsftpd, config.c_str(), static_cast<char*>(nullptr));
            _exit(127);
        }
        const auto deadline = std::chrono::steady_clock::now() + 10s;
        while (std::chrono::steady_clock::now() < deadline) {
            if (Accepts(m_port))
                return true;
            int status = 0;
            if (waitpid(m_pid, &status, WNOHANG) == m_pid) {
                m_pid = -1;
                m_log = ReadFileBytes(log);
                return false;
            }
            std::this_thread::sleep_for(20ms);
        }
        Stop();
        m_log = "vsftpd did not listen within 10 s";
        return false;
    }

    void Stop()
    {
        if (m_pid <= 0)
            return;
        kill(m_pid, SIGTERM);
        waitpid(m_pid, nullptr, 0);
        m_pid = -1;
    }

    std::string Config() const
    {
        std::string text = "listen=YES\nlisten_ipv6=NO\nlisten_address=127.0.0.1\nlisten_port=" +
                           std::to_string(m_port) +
                           "\nbackground=NO\n"
                           "anonymous_enable=YES\nlocal_enable=NO\nno_anon_password=YES\n"
                           "write_enable=YES\nanon_upload_enable=YES\nanon_other_write_enable=YES\n"
                           "anon_mkdir_write_enable=NO\nanon_umask=022\n"
                           "anon_root=" + Root() + "\nsecure_chroot_dir=" + m_dir.File("empty") +
                           "\nport_enable=YES\nconnect_from_port_20=NO\n"
                           "seccomp_sandbox=NO\nisolate=NO\nisolate_network=NO\n"
                           "xferlog_enable=NO\nsyslog_enable=NO\n";
        if (geteuid() != 0)
            text += "run_as_launching_user=YES\n";
        return text;
    }

    CTempDir m_dir;
    pid_t m_pid = -1;
    int m_port = 0;
    std::string m_log;
};

class VsftpdUpload : public testing::Test {
protected:
    void SetUp() override
    {
        if (access(kVsftpd, X_OK) != 0)
            GTEST_SKIP() << kVsftpd << " is not installed (apt-get install vsftpd)";
        if (!m_server.IsRunning())
            GTEST_SKIP() << "vsftpd cannot run here: " << m_server.Log();
        const std::string replies = LogInReplies(m_server.Port());
        if (replies.find("500 OOPS") != std::string::npos)
            GTEST_SKIP() << "vsftpd cannot serve anonymous users here: " << replies;
    }

    CFtpUpload::Request Request(const std::string& bytes, const std::string& folder, const std::string& name)
    {
        return {"127.0.0.1", m_server.Port(), "anonymous", "", folder, name, m_local.Write("job.pjl", bytes)};
    }

    CTempDir m_local;
    CVsftpd m_server;
    CRecordingMonitor m_monitor;
};

TEST_F(VsftpdUpload, StoresTheBytesUnderTheName)
{
    const std::string bytes = PatternBytes(300000) + "\r\n\n\r";
    const std::string name = "Grundri\xc3\x9f 100% #2.hpg.pjl";
    CFtpUpload upload(Request(bytes, "plt00p", name));

    ASSERT_EQ(upload.Run(m_monitor), CFtpUpload::Result::Finished) << upload.GetErrorText();

    EXPECT_EQ(ReadFileBytes(m_server.Root() + "plt00p/" + name), bytes);
    EXPECT_EQ(m_monitor.done, bytes.size());
}

TEST_F(VsftpdUpload, CancelDeletesThePartialFile)
{
    const std::string bytes = PatternBytes(32 << 20);
    m_monitor.cancelWhen = [this] { return m_monitor.done >= (1 << 20); };
    CFtpUpload upload(Request(bytes, "plt00p", "A0.hpg.pjl"));

    EXPECT_EQ(upload.Run(m_monitor), CFtpUpload::Result::Cancelled);

    EXPECT_LT(m_monitor.done, bytes.size());
    EXPECT_TRUE(std::filesystem::is_empty(m_server.Root() + "plt00p"));
}
}
