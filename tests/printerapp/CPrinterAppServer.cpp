#include "CPrinterAppServer.h"

#include "LoopbackPort.h"
#include "TestConfig.h"

#include <chrono>
#include <csignal>
#include <thread>

namespace {
const std::string kProgram = std::string(test_config::kProgramDir) + "qx-sendora-printer-app";
}

CPrinterAppServer::CPrinterAppServer(const std::vector<std::string>& serverOptions)
    : m_history(m_registry.File("history.sqlite"))
    , m_options(serverOptions)
    , m_port(FreeLoopbackPort())
{
    Start();
}

CPrinterAppServer::~CPrinterAppServer()
{
    if (m_running)
        Run({"shutdown"});
    if (m_process)
        m_process->Wait(std::chrono::seconds(10));
}

void CPrinterAppServer::Start()
{
    std::vector<std::string> args = {"server", "-o", "server-port=" + std::to_string(m_port), "-o", "log-level=debug",
                                     "-o", "log-file=" + m_state.File("server.log")};
    for (const std::string& option : m_options)
        args.insert(args.end(), {"-o", option});
    m_process = std::make_unique<CRunningProcess>(kProgram, args, Environment());
    for (int i = 0; i < 200 && !m_running; ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        m_running = AcceptsOnLoopback(m_port) && !m_process->HasEnded();
    }
}

void CPrinterAppServer::Restart()
{
    Run({"shutdown"});
    m_process->Wait(std::chrono::seconds(10));
    m_running = false;
    Start();
}

void CPrinterAppServer::Kill()
{
    m_process->Signal(SIGKILL);
    m_process->Wait(std::chrono::seconds(10));
    m_running = false;
}

CProcessResult CPrinterAppServer::Run(const std::vector<std::string>& args) const
{
    return CProcess::Run(kProgram, args, Environment());
}

CProcessResult CPrinterAppServer::AddQueue(const std::string& queue, const std::string& address, int number,
                                           const std::string& driver, const std::vector<std::string>& defaults) const
{
    const auto added = Run({"add", "-d", queue, "-v", "qxftp://" + address + "/" + std::to_string(number), "-m", driver});
    if (added.exitCode != 0 || defaults.empty())
        return added;
    std::vector<std::string> args = {"modify", "-d", queue};
    for (const std::string& value : defaults)
        args.insert(args.end(), {"-o", value});
    return Run(args);
}

CProcessResult CPrinterAppServer::Ipp(const std::string& queue, const std::string& testFile,
                                      const std::map<std::string, std::string>& variables) const
{
    std::vector<std::string> args = {"-t", "-T", "60"};
    for (const auto& [name, value] : variables) {
        if (name == "filename")
            args.insert(args.end(), {"-f", value});
        else
            args.insert(args.end(), {"-d", name + "=" + value});
    }
    const std::string path = testFile.find('/') == std::string::npos
                                 ? std::string(test_config::kSourceDir) + "tests/printerapp/" + testFile
                                 : testFile;
    args.insert(args.end(), {QueueUri(queue), path});
    return CProcess::Run("/usr/bin/ipptool", args, Environment());
}

std::string CPrinterAppServer::QueueUri(const std::string& queue, const std::string& host) const
{
    return "ipp://" + host + ":" + std::to_string(m_port) + "/ipp/print/" + queue;
}

std::string CPrinterAppServer::BuiltJob(const std::string& file, const std::vector<std::string>& options) const
{
    const CTempDir folder;
    const std::string job = folder.File("built.pjl");
    std::vector<std::string> args = {"build", "-o", job};
    args.insert(args.end(), options.begin(), options.end());
    args.push_back(file);
    const auto result = CProcess::Run(test_config::kCli, args, Environment());
    if (result.exitCode != 0)
        return "build failed: " + result.err;
    return NormalisedJob(ReadFileBytes(job));
}

std::map<std::string, std::string> CPrinterAppServer::Environment() const
{
    return {{"QX_SENDORA_PRINTER_APP_DIR", m_state.Path()},
            {"QX_SENDORA_REGISTRY_DIR", m_registry.Path()},
            {"QX_SENDORA_HISTORY", m_history}};
}

std::string CPrinterAppServer::ServerLog() const
{
    return ReadFileBytes(m_state.File("server.log"));
}
