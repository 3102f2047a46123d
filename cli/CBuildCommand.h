#pragma once

#include "ICommand.h"

// build -o JOB [options] FILE...: writes the job file a send would upload,
// or the setup job when no file is given.
class CBuildCommand : public ICommand {
public:
    std::string Name() const override { return "build"; }
    std::string Usage() const override;
    int Run(const std::vector<std::string>& args) override;
};
