#pragma once

#include "CProcess.h"
#include "CRunningProcess.h"
#include "CTempDir.h"

#include <map>
#include <memory>
#include <string>
#include <vector>

// qx-sendora-printer-app's server on a free loopback port with a state
// folder, registry and send history of its own, for as long as this object
// lives; it is ended with the shutdown subcommand.
class CPrinterAppServer {
public:
    explicit CPrinterAppServer(const std::vector<std::string>& serverOptions = {});
    ~CPrinterAppServer();
    CPrinterAppServer(const CPrinterAppServer&) = delete;
    CPrinterAppServer& operator=(const CPrinterAppServer&) = delete;

    // False when it did not get to listening.
    bool IsRunning() const { return m_running; }
    void Start();
    // Ends the server with shutdown and starts it again, on the same folder
    // and port.
    void Restart();
    // Kills the server (SIGKILL), as a crash would end it.
    void Kill();
    // Runs a client subcommand of the program against this server.
    CProcessResult Run(const std::vector<std::string>& args) const;
    // Adds a queue for printer number `number` of the printer at `address`,
    // then sets each of `defaults` (name=value); the first refusal, if any.
    CProcessResult AddQueue(const std::string& queue, const std::string& address, int number,
                            const std::string& driver, const std::vector<std::string>& defaults = {}) const;
    // ipptool with a test file (ours by name, or a path) on a queue.
    CProcessResult Ipp(const std::string& queue, const std::string& testFile,
                       const std::map<std::string, std::string>& variables = {}) const;
    std::string QueueUri(const std::string& queue, const std::string& host = "localhost") const;
    int Port() const { return m_port; }
    // The job qx-sendora-cli build makes of the file with these options and
    // the server's registry, its name normalised.
    std::string BuiltJob(const std::string& file, const std::vector<std::string>& options) const;
    std::map<std::string, std::string> Environment() const;
    std::string ServerLog() const;

private:
    CTempDir m_state;
    CTempDir m_registry;
    std::string m_history;
    std::vector<std::string> m_options;
    int m_port = 0;
    bool m_running = false;
    std::unique_ptr<CRunningProcess> m_process;
};
