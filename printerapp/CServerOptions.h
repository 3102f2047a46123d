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
    // Every address (or listen-hostname) without the web interface, whose
    // pages PAPPL 1.3.1 opens to any client; administration is left to the
    // local socket. Without it only loopback names may be listened on.
    bool sharePrinters = false;
    // A raw socket per queue on port 9099 + the queue's id.
    bool rawSocket = false;
    std::string listenHostname = "localhost";
    std::string logFile = "-";
    std::string logLevel = "warn";
    std::chrono::seconds retryFor{600};

    // Nothing for a number or flag that is not one, or for a listener
    // beyond this machine without sharing; the reason in error.
    static std::optional<CServerOptions> Read(const std::map<std::string, std::string>& options, std::string& error);
    struct Paths {
        std::string stateFile;
        std::string spool;
    };
    // Below QX_SENDORA_PRINTER_APP_DIR when set; for root PAPPL's own, as
    // its local socket is (/var/lib/qx-sendora-printer-app.state,
    // /var/spool/qx-sendora-printer-app, /run/qx-sendora-printer-app.sock);
    // else in the user's state folder. Folders are made when missing.
    static Paths StatePaths();
    // Where PAPPL looks for the local socket: TMPDIR for a user, SNAP_COMMON
    // for root; only when QX_SENDORA_PRINTER_APP_DIR is set.
    static void PointSocketAtStateFolder();

    bool WebInterface() const { return !sharePrinters; }
    // The address PAPPL is told to listen on; null for every address.
    const char* ListenAddress() const;

    static CServerOptions& Current();
};
