#include "CFtpUpload.h"
#include "CSocket.h"

#include "CRecordingMonitor.h"
#include "CRunningProcess.h"
#include "CTempDir.h"
#include "LoopbackPort.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <thread>

// The upload against a stock FTP server, Debian's vsftpd, so that the client
// is not only shown to work with our own simulator.
namespace {
using namespace std::chrono_literals;

constexpr const char* kVsftpd = "/usr/sbin/vsftpd";

// vsftpd with anonymous upload into root/plt00p on a free loopback port,
// in its own folder. As root it runs the sessions as the "ftp" user that
// the package creates, chrooted into the root folder; as any other user it
// stays that user.
class CVsftpd {
public:
    CVsftpd()
    {
        std::filesystem::create_directories(Root() + "plt00p");
        std::filesystem::create_directories(m_dir.File("empty"));
        for (const auto& [path, mode] : {std::pair{m_dir.Path(), 0755}, {Root(), 0755}, {Root() + "plt00p", 0777}})
            chmod(path.c_str(), static_cast<mode_t>(mode));
        // Something else may take the free port before vsftpd binds it.
        for (int attempt = 0; attempt < 3 && !Start() && m_log.find("bind") != std::string::npos; ++attempt)
            ;
    }

    bool IsRunning() const { return m_server != nullptr; }
    int Port() const { return m_port; }
    // Why it did not start.
    const std::string& Log() const { return m_log; }
    std::string Root() const { return m_dir.File("root/"); }

private:
    bool Start()
    {
        m_port = FreeLoopbackPort();
        m_server = std::make_unique<CRunningProcess>(kVsftpd,
                                                     std::vector<std::string>{m_dir.Write("vsftpd.conf", Config())});
        const auto deadline = std::chrono::steady_clock::now() + 10s;
        while (!m_server->HasEnded() && std::chrono::steady_clock::now() < deadline) {
            if (CSocket().Connect("127.0.0.1", static_cast<unsigned short>(m_port), 1s) == CSocket::EConnect::Ok)
                return true;
            std::this_thread::sleep_for(20ms);
        }
        const CProcessResult ended = m_server->Wait(0ms);
        m_log = ended.exitCode < 0 ? "vsftpd did not listen within 10 s" : ended.out + ended.err;
        m_server.reset();
        return false;
    }

    std::string Config() const
    {
        return "listen=YES\nlisten_ipv6=NO\nlisten_address=127.0.0.1\nlisten_port=" + std::to_string(m_port) +
               "\nbackground=NO\nanonymous_enable=YES\nlocal_enable=NO\nno_anon_password=YES\n"
               "write_enable=YES\nanon_upload_enable=YES\nanon_other_write_enable=YES\n"
               "anon_mkdir_write_enable=NO\nanon_umask=022\nanon_root=" + Root() +
               "\nsecure_chroot_dir=" + m_dir.File("empty") +
               "\nport_enable=YES\nconnect_from_port_20=NO\nseccomp_sandbox=NO\nisolate=NO\nisolate_network=NO\n"
               "xferlog_enable=NO\nsyslog_enable=NO\n" + (geteuid() != 0 ? "run_as_launching_user=YES\n" : "");
    }

    CTempDir m_dir;
    std::unique_ptr<CRunningProcess> m_server;
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
        // vsftpd says what keeps it from serving here (a missing user, no
        // chroot allowed) with "500 OOPS".
        CRecordingMonitor monitor;
        CFtpUpload probe(Request("", "missing", "probe"));
        probe.Run(monitor);
        if (probe.GetErrorText().find("500 OOPS") != std::string::npos)
            GTEST_SKIP() << "vsftpd cannot serve anonymous users here: " << probe.GetErrorText();
    }

    CFtpUpload::Request Request(const std::string& bytes, const std::string& folder, const std::string& name)
    {
        return {"127.0.0.1", m_server.Port(), "anonymous", "", folder, name, m_local.Write("job.pjl", bytes)};
    }

    CTempDir m_local;
    CVsftpd m_server;
    CRecordingMonitor m_monitor;
};

TEST_F(VsftpdUpload, StoresTheBytesUnderTheNameAndACancelDeletesThePartialFile)
{
    const std::string bytes = PatternBytes(300000) + "\r\n\n\r";
    const std::string name = "Grundri\xc3\x9f 100% #2.hpg.pjl";
    CFtpUpload upload(Request(bytes, "plt00p", name));
    ASSERT_EQ(upload.Run(m_monitor), CFtpUpload::Result::Finished) << upload.GetErrorText();
    EXPECT_EQ(ReadFileBytes(m_server.Root() + "plt00p/" + name), bytes);
    EXPECT_EQ(m_monitor.done, bytes.size());

    const std::string large = PatternBytes(32 << 20);
    CRecordingMonitor cancelling;
    cancelling.cancelWhen = [&] { return cancelling.done >= (1 << 20); };
    CFtpUpload cancelled(Request(large, "plt00p", "A0.hpg.pjl"));
    EXPECT_EQ(cancelled.Run(cancelling), CFtpUpload::Result::Cancelled);
    EXPECT_LT(cancelling.done, large.size());
    EXPECT_EQ(FilesBelow(m_server.Root()), std::set<std::string>{"plt00p/" + name});
}
}
