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
    const CArguments arguments(args, {}, {});
    if (!arguments.Ok() || !arguments.Operands().empty()) {
        std::cerr << "usage: qx-sendora-cli " << Usage() << '\n';
        return kExitUsage;
    }
    for (const auto& name : CSettingFile().ListNames())
        std::cout << name << '\n';
    return kExitOk;
}
