#pragma once

#include "ICommand.h"

// history [--printer P] [--since YYYY-MM-DD] [--json]: the sends of the
// send history, newest first, one a line or as JSON.
class CHistoryCommand : public ICommand {
public:
    std::string Name() const override { return "history"; }
    std::string Usage() const override;
    int Run(const std::vector<std::string>& args) override;
};
