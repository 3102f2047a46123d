#pragma once

#include "ICommand.h"

// send --printer HOST[:PORT] [options] FILE...: what the main window's Send
// does, on the command line.
class CSendCommand : public ICommand {
public:
    static constexpr CommandText kText{
        "send",
        "send --printer HOST[:PORT] [--number N] [--owner NAME] [--setting NAME|PATH] [--copies N] [--collate] "
        "[--reverse] [--format NAME] FILE...",
        "send the files as one job; prints the job's name on the printer"};

    std::string Name() const override { return kText.name; }
    std::string Usage() const override { return kText.usage; }
    int Run(const std::vector<std::string>& args) override;
};
