#include "CBuildCommand.h"
#include "CDefaultsCommand.h"
#include "CFormatsCommand.h"
#include "CStructureCommand.h"
#include "CSendCommand.h"
#include "CSettingsCommand.h"
#include "CSetupCommand.h"
#include "CStatusCommand.h"
#include "ICommand.h"

#include "CResourceModule.h"

#include <iostream>
#include <memory>
#include <vector>

namespace {
std::vector<std::unique_ptr<ICommand>> MakeCommands()
{
    std::vector<std::unique_ptr<ICommand>> commands;
    commands.push_back(std::make_unique<CStructureCommand>());
    commands.push_back(std::make_unique<CDefaultsCommand>());
    commands.push_back(std::make_unique<CSettingsCommand>());
    commands.push_back(std::make_unique<CStatusCommand>());
    commands.push_back(std::make_unique<CFormatsCommand>());
    commands.push_back(std::make_unique<CBuildCommand>());
    commands.push_back(std::make_unique<CSendCommand>());
    commands.push_back(std::make_unique<CSetupCommand>());
    return commands;
}

void PrintUsage(std::ostream& out, const std::vector<std::unique_ptr<ICommand>>& commands)
{
    out << "usage: qx-sendora-cli COMMAND [OPTIONS]\n\ncommands:\n";
    for (const auto& command : commands)
        out << "  " << command->Usage() << '\n';
}
}

int main(int argc, char** argv)
{
    const auto commands = MakeCommands();
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty()) {
        PrintUsage(std::cerr, commands);
        return kExitUsage;
    }
    if (args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
        PrintUsage(std::cout, commands);
        return kExitOk;
    }
    CResourceModule::LoadResourceModule();
    for (const auto& command : commands) {
        if (command->Name() != args[0])
            continue;
        const std::vector<std::string> rest(args.begin() + 1, args.end());
        for (const auto& arg : rest)
            if (arg == "--help" || arg == "-h") {
                std::cout << "usage: qx-sendora-cli " << command->Usage() << '\n';
                return kExitOk;
            }
        return command->Run(rest);
    }
    std::cerr << "qx-sendora-cli: unknown command " << args[0] << '\n';
    PrintUsage(std::cerr, commands);
    return kExitUsage;
}
