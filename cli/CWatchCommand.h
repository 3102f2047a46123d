#pragma once

#include "ICommand.h"

#include <chrono>
#include <optional>

class CArguments;

// watch FOLDER --printer HOST[:PORT] [options]: a hot folder, every plot
// file arriving in it sent as a job, until Ctrl-C or SIGTERM.
class CWatchCommand : public ICommand {
public:
    static constexpr CommandText kText{
        "watch",
        "watch FOLDER --printer HOST[:PORT] [--number N] [--owner NAME] [--setting NAME|PATH] [--format NAME] "
        "[--batch SECONDS] [--settle SECONDS] [--retry-for SECONDS]",
        "send every plot file arriving in FOLDER as a job, keeping it in sent/ or failed/, until Ctrl-C or "
        "SIGTERM"};

    std::string Name() const override { return kText.name; }
    std::string Usage() const override { return kText.usage; }
    int Run(const std::vector<std::string>& args) override;

private:
    // An option's value in seconds, fractions allowed; a usage error when
    // it is not a number from 0 to a day.
    static std::optional<std::chrono::milliseconds> Seconds(CArguments& arguments, const std::string& option,
                                                            double fallback);
};
