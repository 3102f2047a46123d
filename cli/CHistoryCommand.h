#pragma once

#include "ICommand.h"

// history [--printer P] [--since YYYY-MM-DD] [--json]: the sends of the
// send history, newest first, one a line or as JSON.
class CHistoryCommand : public ICommand {
public:
    static constexpr CommandText kText{"history", "history [--printer HOST[:PORT]] [--since YYYY-MM-DD] [--json]",
                                       "list the sends of the send history, newest first, one a line or as JSON"};

    std::string Name() const override { return kText.name; }
    std::string Usage() const override { return kText.usage; }
    int Run(const std::vector<std::string>& args) override;
};
