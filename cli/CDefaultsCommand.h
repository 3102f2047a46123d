#pragma once

#include "ICommand.h"

// Prints the "@PJL DEFAULT" block that a job would carry for a setting file.
class CDefaultsCommand : public ICommand {
public:
    std::string Name() const override { return "defaults"; }
    std::string Usage() const override;
    int Run(const std::vector<std::string>& args) override;
};
