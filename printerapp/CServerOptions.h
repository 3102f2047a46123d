#pragma once

#include <chrono>
#include <map>
#include <optional>
#include <string>

// The server's -o options that our system callback reads, with the
// defaults of a server that only this machine reaches.
struct CServerOptions {
    static constexpr const char* kDirVariable = "QX_SENDORA_PRINTER_APP_DIR";

    int port = 0;  // 0: PAPPL picks one
    std::string listenHostname = "localhost";
    std::string logFile = "-";
    std::string logLevel = "warn";
    std::chrono::seconds retryFor{600};

    // Nothing for a number that is not one; the reason in error.
    static std::optional<CServerOptions> Read(const std::map<std::string, std::string>& options, std::string& error);
    // QX_SENDORA_PRINTER_APP_DIR when set, else the user's or (for root)
    // the machine's state folder; made when missing.
    static std::string StateFolder();
    // Where PAPPL looks for the local socket: TMPDIR for a user, SNAP_COMMON
    // for root; only when QX_SENDORA_PRINTER_APP_DIR is set.
    static void PointSocketAtStateFolder();

    static CServerOptions& Current();
};
