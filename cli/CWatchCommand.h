#pragma once

#include "ICommand.h"

#include <chrono>
#include <optional>

class CArguments;

// watch FOLDER --printer HOST[:PORT] [options]: a hot folder, every plot
// file arriving in it sent as a job, until Ctrl-C or SIGTERM.
class CWatchCommand : public ICommand {
public:
    std::string Name() const override { return "watch"; }
    std::string Usage() const override;
    int Run(const std::vector<std::string>& args) override;

private:
    // An option's value in seconds, fractions allowed; a usage error when
    // it is not a number from 0 to a day.
    static std::optional<std::chrono::milliseconds> Seconds(CArguments& arguments, const std::string& option,
                                                            double fallback);
};
