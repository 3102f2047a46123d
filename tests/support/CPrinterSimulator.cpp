#include "CPrinterSimulator.h"

#include "TestConfig.h"

#include <sstream>
#include <thread>

namespace {
constexpr std::chrono::seconds kStartTimeout{20};
}

CPrinterSimulator::CPrinterSimulator(const Options& options)
    : m_host(options.host)
    , m_root(m_workDir.File("root/"))
    , m_process(std::make_unique<CRunningProcess>(std::string(test_config::kSourceDir) + "tools/printer-sim",
                                                  Arguments(options)))
{
    if (!WaitForOutput("ready ", kStartTimeout))
        return;
    const std::string output = Output();
    std::istringstream ready(output.substr(output.find("ready ")));
    std::string word, host;
    unsigned port = 0;
    ready >> word >> host >> port;
    m_port = static_cast<unsigned short>(port);
}

CPrinterSimulator::~CPrinterSimulator() = default;

std::vector<std::string> CPrinterSimulator::Arguments(const Options& options) const
{
    std::vector<std::string> arguments = {"--host", options.host, "--port", std::to_string(options.port), "--root", m_root,
                                          "--user", options.user, "--password", options.password};
    for (const auto& model : options.models)
        arguments.insert(arguments.end(), {"--model", model});
    if (options.version)
        arguments.insert(arguments.end(), {"--version", *options.version});
    if (options.afterNul)
        arguments.insert(arguments.end(), {"--after-nul", *options.afterNul});
    const std::pair<bool, const char*> switches[] = {
        {options.psPdf, "--ps-pdf"}, {options.noConcluded, "--no-concluded"}, {options.silent, "--silent"},
        {options.mute, "--mute"},    {options.hangUp, "--hang-up"},          {options.logCommands, "--log-commands"},
        {options.refuseStore, "--refuse-store"}, {options.full, "--full"}};
    for (const auto& [on, name] : switches)
        if (on)
            arguments.push_back(name);
    const std::pair<int, const char*> counts[] = {{options.padding, "--padding"},
                                                  {options.stallAfter, "--stall-after"},
                                                  {options.stallJobs, "--stall-jobs"}};
    for (const auto& [count, name] : counts)
        if (count > 0)
            arguments.insert(arguments.end(), {name, std::to_string(count)});
    const std::pair<int, const char*> pauses[] = {{options.refusalPauseMs, "--refusal-pause"},
                                                  {options.storePauseMs, "--store-pause"}};
    for (const auto& [milliseconds, name] : pauses)
        if (milliseconds > 0)
            arguments.insert(arguments.end(), {name, std::to_string(milliseconds / 1000.0)});
    return arguments;
}

std::string CPrinterSimulator::Address() const
{
    const std::string host = m_host.find(':') == std::string::npos ? m_host : "[" + m_host + "]";
    return host + ":" + std::to_string(m_port);
}

std::string CPrinterSimulator::Output() const
{
    return m_process->Output();
}

std::string CPrinterSimulator::ControlBytes() const
{
    std::istringstream lines(Output());
    std::string line, bytes;
    while (std::getline(lines, line))
        if (line.rfind("bytes ", 0) == 0)
            for (std::size_t i = 6; i + 1 < line.size(); i += 2)
                bytes += static_cast<char>(std::stoi(line.substr(i, 2), nullptr, 16));
    return bytes;
}

bool CPrinterSimulator::WaitForOutput(const std::string& text, std::chrono::milliseconds timeout) const
{
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (Output().find(text) == std::string::npos) {
        if (m_process->HasEnded() || std::chrono::steady_clock::now() > deadline)
            return Output().find(text) != std::string::npos;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return true;
}
