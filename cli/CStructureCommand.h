#pragma once

#include "ICommand.h"

// inspect JOB: prints the structure of a job file.
class CStructureCommand : public ICommand {
public:
    std::string Name() const override { return "inspect"; }
    std::string Usage() const override { return "inspect JOB"; }
    int Run(const std::vector<std::string>& args) override;
};
