#pragma once

#include "ICommand.h"

// setup --printer HOST[:PORT] --setting NAME|PATH [...]: sends a setting
// file alone, to become the printer's defaults.
class CSetupCommand : public ICommand {
public:
    std::string Name() const override { return "setup"; }
    std::string Usage() const override;
    int Run(const std::vector<std::string>& args) override;
};
