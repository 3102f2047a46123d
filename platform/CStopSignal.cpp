#include "CStopSignal.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>

namespace {
volatile std::sig_atomic_t g_raised = 0;
int g_pipe[2] = {-1, -1};

void OnStop(int)
{
    const int saved = errno;
    g_raised = 1;
    [[maybe_unused]] const ssize_t written = write(g_pipe[1], "x", 1);
    errno = saved;
}
}

CStopSignal::CStopSignal()
{
    g_raised = 0;
    if (pipe2(g_pipe, O_CLOEXEC | O_NONBLOCK) != 0)
        g_pipe[0] = g_pipe[1] = -1;
    struct sigaction action {};
    action.sa_handler = OnStop;
    // Blocking calls of a send go on; the send asks the flag between blocks.
    action.sa_flags = SA_RESTART;
    sigemptyset(&action.sa_mask);
    sigaction(SIGINT, &action, &m_previousInterrupt);
    sigaction(SIGTERM, &action, &m_previousTerminate);
}

CStopSignal::~CStopSignal()
{
    sigaction(SIGINT, &m_previousInterrupt, nullptr);
    sigaction(SIGTERM, &m_previousTerminate, nullptr);
    for (int& fd : g_pipe) {
        if (fd >= 0)
            close(fd);
        fd = -1;
    }
}

int CStopSignal::Fd() const
{
    return g_pipe[0];
}

bool CStopSignal::IsRaised()
{
    return g_raised != 0;
}
