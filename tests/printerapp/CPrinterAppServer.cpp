#include "CPrinterAppServer.h"

#include "LoopbackPort.h"
#include "TestConfig.h"

#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <thread>

namespace {
const std::string kProgram = std::string(test_config::kProgramDir) + "qx-sendora-printer-app";

bool Accepts(int port)
{
    const int fd = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = htons(static_cast<std::uint16_t>(port));
    const bool connected = connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
    close(fd);
    return connected;
}
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
        m_running = Accepts(m_port) && !m_process->HasEnded();
    }
}

CProcessResult CPrinterAppServer::Run(const std::vector<std::string>& args) const
{
    return CProcess::Run(kProgram, args, Environment());
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

std::string CPrinterAppServer::QueueUri(const std::string& queue) const
{
    return "ipp://localhost:" + std::to_string(m_port) + "/ipp/print/" + queue;
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
