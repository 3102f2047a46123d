#pragma once

#include "ICommand.h"

#include <iosfwd>
#include <memory>
#include <vector>

// One program of the command line: the commands it knows, its help and
// version, and the call of the command named first. qx-sendora-cli knows
// every command; one that needs a large library it hands over to a helper
// program (CHandOverCommand), which knows only the commands of that library.
class CCommandLine {
public:
    void Add(std::unique_ptr<ICommand> command, const char* description);
    // An exit code.
    int Run(int argc, char** argv) const;

private:
    struct Entry {
        std::unique_ptr<ICommand> command;
        const char* description;
    };

    void PrintHelp(std::ostream& out) const;
    static void PrintVersion();
    static int RunCommand(const Entry& entry, const std::vector<std::string>& args);

    std::vector<Entry> m_commands;
};
