#include "CPrivateCups.h"

#include "LoopbackPort.h"

#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <thread>

namespace {
constexpr const char* kCupsd = "/usr/sbin/cupsd";
}

CPrivateCups::CPrivateCups()
    : m_port(FreeLoopbackPort())
{
    // The backends run as CUPS' own user, which must reach the spool.
    ::chmod(m_folder.Path().c_str(), 0755);
    for (const char* folder : {"spool", "tmp", "cache", "state", "log", "ssl"})
        std::filesystem::create_directories(m_folder.File(folder));
    WriteConfiguration();
    m_process = std::make_unique<CRunningProcess>(
        kCupsd, std::vector<std::string>{"-f", "-c", m_folder.File("cupsd.conf"), "-s", m_folder.File("cups-files.conf")});
    for (int i = 0; i < 200 && !m_running; ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        m_running = !m_process->HasEnded() && Run("lpstat", {"-r"}).out == "scheduler is running\n";
    }
}

CPrivateCups::~CPrivateCups()
{
    m_process->Signal(SIGTERM);
    m_process->Wait(std::chrono::seconds(10));
}

bool CPrivateCups::IsInstalled()
{
    return ::access(kCupsd, X_OK) == 0 && ::access("/usr/bin/lp", X_OK) == 0 &&
           ::access("/usr/sbin/lpadmin", X_OK) == 0;
}

void CPrivateCups::WriteConfiguration() const
{
    const std::string& dir = m_folder.Path();
    m_folder.Write("cups-files.conf", "ServerRoot " + dir + "\nRequestRoot " + dir + "spool\nTempDir " + dir +
                                          "tmp\nCacheDir " + dir + "cache\nStateDir " + dir + "state\nServerKeychain " +
                                          dir + "ssl\nAccessLog " + dir + "log/access_log\nErrorLog " + dir +
                                          "log/error_log\nPageLog " + dir + "log/page_log\nPrintcap " + dir +
                                          "printcap\n");
    m_folder.Write("cupsd.conf", "Listen 127.0.0.1:" + std::to_string(m_port) +
                                     "\nLogLevel debug\nBrowsing No\nWebInterface No\nDefaultAuthType None\n"
                                     "<Location />\nOrder allow,deny\nAllow all\n</Location>\n"
                                     "<Policy default>\n<Limit All>\nOrder deny,allow\n</Limit>\n</Policy>\n");
    // CUPS 2.4 leaves PDF for an everywhere queue to cups-filters'
    // pdftopdf, which every desktop has and this test does without: the
    // PDF goes on as it is.
    m_folder.Write("local.convs", "application/pdf application/vnd.cups-pdf 66 -\n");
}

CProcessResult CPrivateCups::Run(const std::string& program, const std::vector<std::string>& args) const
{
    std::vector<std::string> all = {"-h", "127.0.0.1:" + std::to_string(m_port)};
    all.insert(all.end(), args.begin(), args.end());
    const std::string path = program == "lpadmin" ? "/usr/sbin/lpadmin" : "/usr/bin/" + program;
    // Neither the user's client.conf nor a CUPS_SERVER may send it elsewhere.
    return CProcess::Run(path, all, {{"CUPS_SERVERROOT", m_folder.Path()}, {"HOME", m_folder.Path()}});
}

std::string CPrivateCups::ErrorLog() const
{
    return ReadFileBytes(m_folder.File("log/error_log"));
}
