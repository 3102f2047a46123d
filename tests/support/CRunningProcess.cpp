#include "CRunningProcess.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <thread>

CRunningProcess::CRunningProcess(const std::string& program, const std::vector<std::string>& args,
                                 const std::map<std::string, std::string>& environment)
{
    const int in = open("/dev/null", O_RDONLY | O_CLOEXEC);
    const int out = open(m_dir.File("out").c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    const int err = open(m_dir.File("err").c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    std::vector<char*> argv{const_cast<char*>(program.c_str())};
    for (const auto& arg : args)
        argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);
    m_pid = fork();
    if (m_pid == 0) {
        dup2(in, 0);
        dup2(out, 1);
        dup2(err, 2);
        for (const auto& [name, value] : environment)
            setenv(name.c_str(), value.c_str(), 1);
        execv(program.c_str(), argv.data());
        _exit(127);
    }
    for (int fd : {in, out, err})
        close(fd);
}

CRunningProcess::~CRunningProcess()
{
    if (m_pid <= 0)
        return;
    kill(m_pid, SIGKILL);
    waitpid(m_pid, nullptr, 0);
}

void CRunningProcess::Signal(int signal) const
{
    if (m_pid > 0)
        kill(m_pid, signal);
}

CProcessResult CRunningProcess::Wait(std::chrono::milliseconds timeout)
{
    CProcessResult result;
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    int status = 0;
    while (m_pid > 0 && waitpid(m_pid, &status, WNOHANG) == 0) {
        if (std::chrono::steady_clock::now() > deadline)
            return result;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    if (m_pid > 0)
        result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    m_pid = -1;
    result.out = ReadFileBytes(m_dir.File("out"));
    result.err = ReadFileBytes(m_dir.File("err"));
    return result;
}
