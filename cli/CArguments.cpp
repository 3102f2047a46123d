#include "CArguments.h"

#include "CConsoleMessageSink.h"
#include "CPrinterAddress.h"
#include "ICommand.h"

#include <charconv>
#include <iostream>

CArguments::CArguments(const std::vector<std::string>& args, const std::set<std::string>& valueOptions,
                       const std::set<std::string>& switches)
{
    for (std::size_t i = 0; i < args.size() && m_error.empty(); ++i) {
        const std::string& arg = args[i];
        if (switches.count(arg)) {
            m_switches.insert(arg);
        } else if (valueOptions.count(arg)) {
            if (i + 1 == args.size())
                Fail(arg + " needs a value");
            else
                m_values[arg] = args[++i];
        } else if (arg.rfind("--", 0) == 0 && arg != "--") {
            Fail("unknown option " + arg);
        } else {
            m_operands.push_back(arg);
        }
    }
}

std::optional<std::string> CArguments::Value(const std::string& option) const
{
    auto found = m_values.find(option);
    if (found == m_values.end())
        return std::nullopt;
    return found->second;
}

std::optional<int> CArguments::Number(const std::string& option, int low, int high, int fallback)
{
    const auto text = Value(option);
    if (!text)
        return fallback;
    int number = 0;
    const char* end = text->data() + text->size();
    const auto [rest, error] = std::from_chars(text->data(), end, number);
    if (error != std::errc() || rest != end || number < low || number > high) {
        Fail(option + " must be a number from " + std::to_string(low) + " to " + std::to_string(high));
        return std::nullopt;
    }
    return number;
}

std::optional<std::string> CArguments::Printer()
{
    const auto printer = Value("--printer");
    if (!printer)
        Fail("--printer HOST[:PORT] is required");
    else if (!CPrinterAddress::Parse(*printer))
        Fail("--printer " + *printer + " is not HOST or HOST:PORT with a port from 1 to 65535");
    return printer;
}

void CArguments::Fail(const std::string& error)
{
    if (m_error.empty())
        m_error = error;
}

int CArguments::ReportUsage(const ICommand& command) const
{
    std::cerr << CConsoleMessageSink::kPrefix << command.Name() << ": " << m_error << "\nusage: qx-sendora-cli "
              << command.Usage() << '\n';
    return kExitUsage;
}
