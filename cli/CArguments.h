#pragma once

#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

class ICommand;

// The options and operands of one command: "--name value" options, "--flag"
// switches and plain operands, in any order.
class CArguments {
public:
    // valueOptions take a value, switches do not; anything else starting
    // with "--" is a usage error.
    CArguments(const std::vector<std::string>& args, const std::set<std::string>& valueOptions,
               const std::set<std::string>& switches);

    bool Ok() const { return m_error.empty(); }
    std::optional<std::string> Value(const std::string& option) const;
    bool Has(const std::string& flag) const { return m_switches.count(flag) != 0; }
    const std::vector<std::string>& Operands() const { return m_operands; }
    // An option's value as a whole number within bounds; a usage error
    // when it is not.
    std::optional<int> Number(const std::string& option, int low, int high, int fallback);
    // --printer HOST[:PORT], required; a usage error when it is missing or
    // its port is not 1 to 65535.
    std::optional<std::string> Printer();
    // Records a usage error; the first one found is the one reported.
    void Fail(const std::string& error);
    // Prints the error and the command's usage line on standard error and
    // returns the usage exit code.
    int ReportUsage(const ICommand& command) const;

private:
    std::map<std::string, std::string> m_values;
    std::set<std::string> m_switches;
    std::vector<std::string> m_operands;
    std::string m_error;
};
