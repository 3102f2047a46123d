#pragma once

#include "CProcess.h"
#include "CRunningProcess.h"
#include "CTempDir.h"

#include <memory>
#include <string>
#include <vector>

// A cupsd of the test's own: configuration, spool and logs in a temporary
// folder, listening on 127.0.0.1 only, for as long as this object lives.
class CPrivateCups {
public:
    CPrivateCups();
    ~CPrivateCups();
    CPrivateCups(const CPrivateCups&) = delete;
    CPrivateCups& operator=(const CPrivateCups&) = delete;

    // False where CUPS is not installed.
    static bool IsInstalled();
    bool IsRunning() const { return m_running; }
    // A CUPS client program (lp, lpadmin, lpstat) against this cupsd.
    CProcessResult Run(const std::string& program, const std::vector<std::string>& args) const;
    std::string ErrorLog() const;

private:
    void WriteConfiguration() const;

    CTempDir m_folder;
    int m_port = 0;
    bool m_running = false;
    std::unique_ptr<CRunningProcess> m_process;
};
