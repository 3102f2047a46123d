#include "CSettingsCommand.h"

#include "CArguments.h"
#include "CSettingFile.h"

#include <iostream>

std::string CSettingsCommand::Usage() const
{
    return "settings";
}

int CSettingsCommand::Run(const std::vector<std::string>& args)
{
    CArguments arguments(args, {}, {});
    if (!arguments.Operands().empty())
        arguments.Fail("settings takes no operand");
    if (!arguments.Ok())
        return arguments.ReportUsage(*this);
    for (const auto& name : CSettingFile().ListNames())
        std::cout << name << '\n';
    return kExitOk;
}
