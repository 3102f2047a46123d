#include "CServerOptions.h"

#include "CMessageService.h"
#include "ResourceIds.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>

namespace {
std::optional<long> Number(const std::map<std::string, std::string>& options, const std::string& name, long lowest,
                           long highest, long fallback, std::string& error)
{
    const auto found = options.find(name);
    if (found == options.end())
        return fallback;
    const std::string& text = found->second;
    if (!text.empty() && text.size() < 10 && text.find_first_not_of("0123456789") == std::string::npos) {
        const long value = std::stol(text);
        if (value >= lowest && value <= highest)
            return value;
    }
    error = name + "=" + text + " is not a number from " + std::to_string(lowest) + " to " + std::to_string(highest);
    return std::nullopt;
}

std::optional<bool> Flag(const std::map<std::string, std::string>& options, const std::string& name,
                        std::string& error)
{
    const auto found = options.find(name);
    if (found == options.end() || found->second == "false")
        return false;
    if (found->second == "true")
        return true;
    error = CMessageService::Format(ResId::kServerFlagMessage, name + "=" + found->second);
    return std::nullopt;
}

// Only these keep the web interface, which PAPPL 1.3.1 opens to every
// client it can reach, to this machine.
bool IsLoopback(const std::string& host)
{
    return host == "localhost" || host == "::1" || host == "[::1]" || host.rfind("127.", 0) == 0;
}

// The spool holds the clients' documents: only the server reads them.
CServerOptions::Paths MadePaths(CServerOptions::Paths paths)
{
    std::error_code error;
    std::filesystem::create_directories(std::filesystem::path(paths.stateFile).parent_path(), error);
    std::filesystem::create_directories(paths.spool, error);
    ::chmod(paths.spool.c_str(), 0700);
    return paths;
}

std::string Value(const std::map<std::string, std::string>& options, const std::string& name, std::string fallback)
{
    const auto found = options.find(name);
    return found == options.end() ? fallback : found->second;
}
}

std::optional<CServerOptions> CServerOptions::Read(const std::map<std::string, std::string>& options,
                                                   std::string& error)
{
    CServerOptions read;
    const auto port = Number(options, "server-port", 0, 65535, 0, error);
    const auto retryFor = Number(options, "retry-for", 0, 31536000, 600, error);
    const auto share = Flag(options, "share-printers", error);
    const auto raw = Flag(options, "raw-socket", error);
    if (!port || !retryFor || !share || !raw)
        return std::nullopt;
    read.sharePrinters = *share;
    read.rawSocket = *raw;
    read.port = static_cast<int>(*port);
    read.retryFor = std::chrono::seconds(*retryFor);
    read.listenHostname = Value(options, "listen-hostname", read.sharePrinters ? "*" : read.listenHostname);
    if (!read.sharePrinters && !IsLoopback(read.listenHostname)) {
        error = CMessageService::Format(ResId::kServerListenMessage, "listen-hostname=" + read.listenHostname);
        return std::nullopt;
    }
    // PAPPL 1.3.1 opens the raw sockets on every address, whatever the
    // listeners are.
    if (read.rawSocket && !read.sharePrinters) {
        error = CMessageService::Format(ResId::kServerRawSocketMessage, "raw-socket=true");
        return std::nullopt;
    }
    read.logFile = Value(options, "log-file", read.logFile);
    read.logLevel = Value(options, "log-level", read.logLevel);
    return read;
}

const char* CServerOptions::ListenAddress() const
{
    return listenHostname == "*" ? nullptr : listenHostname.c_str();
}

CServerOptions::Paths CServerOptions::StatePaths()
{
    std::string folder;
    if (const char* dir = std::getenv(kDirVariable); dir && *dir)
        folder = dir;
    else if (::getuid() == 0)
        return MadePaths({"/var/lib/qx-sendora-printer-app.state", "/var/spool/qx-sendora-printer-app"});
    else if (const char* home = std::getenv("HOME"))
        folder = std::string(home) + "/.local/state/qx-sendora-printer-app";
    else
        folder = "/tmp/qx-sendora-printer-app-" + std::to_string(::getuid());
    const Paths paths = MadePaths({folder + "/qx-sendora-printer-app.state", folder + "/spool"});
    ::chmod(folder.c_str(), 0700);
    return paths;
}

void CServerOptions::PointSocketAtStateFolder()
{
    const char* dir = std::getenv(kDirVariable);
    if (!dir || !*dir)
        return;
    std::error_code error;
    std::filesystem::create_directories(dir, error);
    ::setenv(::getuid() == 0 ? "SNAP_COMMON" : "TMPDIR", dir, 1);
}

CServerOptions& CServerOptions::Current()
{
    static CServerOptions options;
    return options;
}
