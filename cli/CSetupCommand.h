#pragma once

#include "ICommand.h"

// setup --printer HOST[:PORT] --setting NAME|PATH [...]: sends a setting
// file alone, to become the printer's defaults.
class CSetupCommand : public ICommand {
public:
    static constexpr CommandText kText{
        "setup", "setup --printer HOST[:PORT] [--number N] [--owner NAME] --setting NAME|PATH [--controller NAME]",
        "send a setting file alone, to become the printer's defaults"};

    std::string Name() const override { return kText.name; }
    std::string Usage() const override { return kText.usage; }
    int Run(const std::vector<std::string>& args) override;
};
