#pragma once

#include "CRunningProcess.h"
#include "CTempDir.h"

#include <chrono>
#include <memory>
#include <optional>
#include <string>
#include <vector>

// tools/printer-sim running on a free port of the loopback interface for
// as long as this object lives.
class CPrinterSimulator {
public:
    struct Options {
        std::string host = "127.0.0.1";
        // 0: a free one.
        int port = 0;
        std::string user = "Sendora";
        std::string password = "KX";
        // What the status reply lists, in this order.
        std::vector<std::string> models;
        std::optional<std::string> version;
        bool psPdf = false;
        bool noConcluded = false;
        // Sent after the status reply behind a NUL byte.
        std::optional<std::string> afterNul;
        // No answer to the status request.
        bool silent = false;
        // Accepts connections and never says anything.
        bool mute = false;
        // Closes every connection at once.
        bool hangUp = false;
        // Refuses every upload: 550 to its STOR.
        bool refuseStore = false;
        // Has no room for an upload: 552 to its STOR.
        bool full = false;
        // Bytes added to the greeting and to the status reply.
        int padding = 0;
        // Stops reading a job's data connection after this many bytes; 0 never.
        int stallAfter = 0;
        // With stallAfter: only the first this many jobs stall; 0 every one.
        int stallJobs = 0;
        // Answers a refused log-in only after this pause.
        int refusalPauseMs = 0;
        // Answers an upload's STOR only after this pause.
        int storePauseMs = 0;
        // Logs what arrives on the control connection: its raw bytes
        // (ControlBytes()) and a "command LINE" line in Output() per line.
        bool logCommands = false;
    };

    explicit CPrinterSimulator(const Options& options);
    ~CPrinterSimulator();
    CPrinterSimulator(const CPrinterSimulator&) = delete;
    CPrinterSimulator& operator=(const CPrinterSimulator&) = delete;

    // False when the simulator did not get to listening.
    bool IsRunning() const { return m_port != 0; }
    unsigned short Port() const { return m_port; }
    // The printer name that reaches it: "127.0.0.1:PORT" or "[::1]:PORT".
    std::string Address() const;
    const std::string& Root() const { return m_root; }
    // Everything it has printed so far ("ready ...", "data closed|reset ...",
    // "received ..." lines).
    std::string Output() const;
    // With logCommands: every byte received on the control connections.
    std::string ControlBytes() const;
    bool WaitForOutput(const std::string& text, std::chrono::milliseconds timeout) const;

private:
    std::vector<std::string> Arguments(const Options& options) const;

    CTempDir m_workDir;
    std::string m_host;
    std::string m_root;
    // Its standard output is the log that Output() returns.
    std::unique_ptr<CRunningProcess> m_process;
    unsigned short m_port = 0;
};
