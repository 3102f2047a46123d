#pragma once

#include "CProcess.h"

#include <chrono>
#include <map>
#include <string>
#include <sys/types.h>
#include <vector>

// A program running beside the test, for tests that act on it while it
// runs (send it a signal, watch what it does). Killed if still running when
// the object goes.
class CRunningProcess {
public:
    // environment entries are added to (or replace those of) the test's own;
    // standard input is empty.
    CRunningProcess(const std::string& program, const std::vector<std::string>& args,
                    const std::map<std::string, std::string>& environment = {});
    ~CRunningProcess();
    CRunningProcess(const CRunningProcess&) = delete;
    CRunningProcess& operator=(const CRunningProcess&) = delete;

    void Signal(int signal) const;
    pid_t GetPid() const { return m_pid; }
    // What it has printed on standard output so far.
    std::string Output() const;
    bool HasEnded();
    // The result once it has ended; exit code -1 and nothing printed when it
    // is still running after the timeout.
    CProcessResult Wait(std::chrono::milliseconds timeout);

private:
    // What it prints goes to files in memory.
    int m_out;
    int m_err;
    pid_t m_pid = -1;
    int m_exitCode = -1;
};
