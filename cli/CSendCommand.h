#pragma once

#include "ICommand.h"

// send --printer HOST[:PORT] [options] FILE...: what the main window's Send
// does, on the command line.
class CSendCommand : public ICommand {
public:
    std::string Name() const override { return "send"; }
    std::string Usage() const override;
    int Run(const std::vector<std::string>& args) override;
};
