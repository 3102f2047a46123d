#include "CStatusCommand.h"

#include "CArguments.h"
#include "CMessageService.h"
#include "CPrinterQuery.h"

#include <iostream>

namespace {
// The account the printer web-page commands use as well.
constexpr const char* kUserName = "Sendora";
constexpr const char* kPassword = "KX";
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
    const auto answer = CPrinterQuery::Ask(*printer, kUserName, kPassword);
    if (!answer) {
        CMessageService::Show(CPrinterQuery::kNoAnswerMessage);
        return kExitFailed;
    }
    std::cout << "controller: " << answer->controllerName << '\n'
              << "ps/pdf: " << (answer->psPdfOption ? "yes" : "no") << '\n';
    return kExitOk;
}
