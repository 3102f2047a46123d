#pragma once

#include <string>
#include <vector>

// What the help of qx-sendora-cli shows of a command. A command that a
// helper program runs keeps it in a constant of its class, for the main
// program that lists it without linking the command.
struct CommandText {
    const char* name;
    const char* usage;
    const char* description;
};

// One subcommand of qx-sendora-cli.
class ICommand {
public:
    virtual ~ICommand() = default;
    virtual std::string Name() const = 0;
    // One usage line, shown by --help and on usage errors.
    virtual std::string Usage() const = 0;
    // Exit code: 0 success, 1 failure, 2 usage error, 3 cancelled.
    virtual int Run(const std::vector<std::string>& args) = 0;
};

// Exit codes shared by the commands.
inline constexpr int kExitOk = 0;
inline constexpr int kExitFailed = 1;
inline constexpr int kExitUsage = 2;
inline constexpr int kExitCancelled = 3;
