#include "CRunningProcess.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/mman.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <thread>

namespace {
std::string ReadFromStart(int fd)
{
    std::string text;
    char buffer[65536];
    for (off_t at = 0;;) {
        const ssize_t n = pread(fd, buffer, sizeof buffer, at);
        if (n <= 0)
            return text;
        text.append(buffer, static_cast<std::size_t>(n));
        at += n;
    }
}
}

CRunningProcess::CRunningProcess(const std::string& program, const std::vector<std::string>& args,
                                 const std::map<std::string, std::string>& environment)
    : m_out(memfd_create("out", MFD_CLOEXEC))
    , m_err(memfd_create("err", MFD_CLOEXEC))
{
    const int in = open("/dev/null", O_RDONLY | O_CLOEXEC);
    std::vector<char*> argv{const_cast<char*>(program.c_str())};
    for (const auto& arg : args)
        argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);
    m_pid = fork();
    if (m_pid == 0) {
        dup2(in, 0);
        dup2(m_out, 1);
        dup2(m_err, 2);
        for (const auto& [name, value] : environment)
            setenv(name.c_str(), value.c_str(), 1);
        execv(program.c_str(), argv.data());
        _exit(127);
    }
    close(in);
}

CRunningProcess::~CRunningProcess()
{
    if (m_pid > 0) {
        kill(m_pid, SIGKILL);
        waitpid(m_pid, nullptr, 0);
    }
    close(m_out);
    close(m_err);
}

void CRunningProcess::Signal(int signal) const
{
    if (m_pid > 0)
        kill(m_pid, signal);
}

std::string CRunningProcess::Output() const
{
    return ReadFromStart(m_out);
}

bool CRunningProcess::HasEnded()
{
    int status = 0;
    if (m_pid > 0 && waitpid(m_pid, &status, WNOHANG) == m_pid) {
        m_exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
        m_pid = -1;
    }
    return m_pid <= 0;
}

CProcessResult CRunningProcess::Wait(std::chrono::milliseconds timeout)
{
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (!HasEnded()) {
        if (std::chrono::steady_clock::now() > deadline)
            return {};
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return {m_exitCode, ReadFromStart(m_out), ReadFromStart(m_err)};
}
