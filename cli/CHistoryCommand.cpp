#include "CHistoryCommand.h"

#include "CArguments.h"
#include "CHistoryFormat.h"
#include "CHistoryJson.h"
#include "CSendHistory.h"

#include <iostream>

namespace {
CHistoryFilter ReadFilter(CArguments& arguments)
{
    CHistoryFilter filter;
    filter.printer = arguments.Value("--printer").value_or("");
    if (const auto since = arguments.Value("--since")) {
        const auto start = CHistoryFormat::ParseDate(*since);
        if (!start)
            arguments.Fail("--since needs a date YYYY-MM-DD");
        filter.since = start.value_or(0);
    }
    if (!arguments.Operands().empty())
        arguments.Fail("history takes no operand");
    return filter;
}
}

int CHistoryCommand::Run(const std::vector<std::string>& args)
{
    CArguments arguments(args, {"--printer", "--since"}, {"--json"});
    const CHistoryFilter filter = ReadFilter(arguments);
    if (!arguments.Ok())
        return arguments.ReportUsage(*this);
    CSendHistory history;
    const auto records = history.OpenDefault() ? history.Query(filter) : std::vector<CHistoryRecord>{};
    if (!history.GetError().empty()) {
        std::cerr << "qx-sendora-cli: send history " << history.GetError() << '\n';
        return kExitFailed;
    }
    if (arguments.Has("--json"))
        std::cout << CHistoryJson::Write(records);
    else
        for (const auto& record : records)
            std::cout << CHistoryFormat::Line(record) << '\n';
    return kExitOk;
}
