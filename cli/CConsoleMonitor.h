#pragma once

#include "IProgressMonitor.h"

#include <signal.h>

#include <chrono>
#include <string>

// Progress on the terminal and cancel by Ctrl-C, for building and uploading.
// While it lives, SIGINT sets a flag instead of ending the process.
class CConsoleMonitor : public IProgressMonitor {
public:
    explicit CConsoleMonitor(std::string activity);
    ~CConsoleMonitor() override;
    CConsoleMonitor(const CConsoleMonitor&) = delete;
    CConsoleMonitor& operator=(const CConsoleMonitor&) = delete;

    void Begin(std::uint64_t totalBytes) override;
    bool IsCancelled() override;
    void Advance(std::uint64_t bytes) override;
    void End() override;

private:
    void Draw(bool force);

    std::string m_activity;
    bool m_showProgress;
    std::uint64_t m_total = 0;
    std::uint64_t m_done = 0;
    std::chrono::steady_clock::time_point m_lastDraw{};
    struct sigaction m_previous {};
};
