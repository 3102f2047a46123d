#include "CConsoleMonitor.h"

#include <csignal>
#include <cstdio>
#include <unistd.h>

namespace {
// Never reset: a Ctrl-C between building and sending still stops the upload.
volatile std::sig_atomic_t g_interrupted = 0;

void OnInterrupt(int)
{
    g_interrupted = 1;
}
}

CConsoleMonitor::CConsoleMonitor(std::string activity)
    : m_activity(std::move(activity))
    , m_showProgress(isatty(STDERR_FILENO) != 0)
{
    struct sigaction action {};
    action.sa_handler = OnInterrupt;
    sigemptyset(&action.sa_mask);
    sigaction(SIGINT, &action, &m_previous);
}

CConsoleMonitor::~CConsoleMonitor()
{
    sigaction(SIGINT, &m_previous, nullptr);
}

void CConsoleMonitor::Begin(std::uint64_t totalBytes)
{
    m_total = totalBytes;
    m_done = 0;
    Draw(true);
}

bool CConsoleMonitor::IsCancelled()
{
    return g_interrupted != 0;
}

void CConsoleMonitor::Advance(std::uint64_t bytes)
{
    m_done += bytes;
    Draw(false);
}

void CConsoleMonitor::End()
{
    Draw(true);
    if (m_showProgress)
        std::fputc('\n', stderr);
}

void CConsoleMonitor::Draw(bool force)
{
    if (!m_showProgress)
        return;
    // A terminal redrawn for every block would cost more than the copy.
    const auto now = std::chrono::steady_clock::now();
    if (!force && now - m_lastDraw < std::chrono::milliseconds(100))
        return;
    m_lastDraw = now;
    const int percent = m_total ? static_cast<int>(m_done * 100 / m_total) : 100;
    std::fprintf(stderr, "\r%s: %3d%% (%llu of %llu bytes)", m_activity.c_str(), percent,
                 static_cast<unsigned long long>(m_done), static_cast<unsigned long long>(m_total));
    std::fflush(stderr);
}
