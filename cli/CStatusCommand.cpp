#include "CStatusCommand.h"

#include "CArguments.h"
#include "CMessageService.h"
#include "CPrinterQuery.h"
#include "ResourceIds.h"

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
    const auto printer = arguments.Printer();
    if (!arguments.Operands().empty())
        arguments.Fail("status takes no operand");
    if (!arguments.Ok())
        return arguments.ReportUsage(*this);
    const auto outcome = CPrinterQuery::Run(*printer, kUserName, kPassword);
    const auto& answer = outcome.answer;
    if (!answer) {
        CPrinterQuery::ShowFailure(outcome.failure, *printer, ResId::kNoAnswerMessage);
        return kExitFailed;
    }
    std::cout << "controller: " << answer->controllerName << '\n'
              << "ps/pdf: " << (answer->psPdfOption ? "yes" : "no") << '\n';
    return kExitOk;
}
