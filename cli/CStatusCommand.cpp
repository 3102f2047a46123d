#include "CStatusCommand.h"

#include "CArguments.h"
#include "CMVFTP.h"
#include "CMessageService.h"

#include <iostream>

namespace {
// The account the printer web-page commands use as well.
constexpr const char* kUserName = "Sendora";
constexpr const char* kPassword = "KX";
constexpr unsigned kPrinterDoesNotAnswer = 528;

bool RunDialogue(CMVFTP& client, const std::string& printer)
{
    return client.ConnectPrinter(printer) && client.SendLine(kUserName) && client.SendLine(kPassword) &&
           client.QueryStatus();
}
}

std::string CStatusCommand::Name() const
{
    return "status";
}

std::string CStatusCommand::Usage() const
{
    return "status --printer HOST[:PORT]";
}

int CStatusCommand::Run(const std::vector<std::string>& args)
{
    CArguments arguments(args, {"--printer"}, {});
    const auto printer = arguments.Value("--printer");
    if (!arguments.Ok() || !printer || !arguments.Operands().empty()) {
        const std::string error = arguments.Ok() ? "status needs --printer and nothing else" : arguments.Error();
        std::cerr << "qx-sendora-cli: " << error << "\nusage: qx-sendora-cli " << Usage() << '\n';
        return kExitUsage;
    }
    CMVFTP client;
    const bool answered = RunDialogue(client, *printer);
    client.Close();
    if (!answered) {
        CMessageService::Show(kPrinterDoesNotAnswer);
        return kExitFailed;
    }
    std::cout << "controller: " << client.GetControllerName() << '\n'
              << "ps/pdf: " << (client.HasPsPdfOption() ? "yes" : "no") << '\n';
    return kExitOk;
}
