#pragma once

#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

// The options and operands of one command: "--name value" options, "--flag"
// switches and plain operands, in any order.
class CArguments {
public:
    // valueOptions take a value, switches do not; anything else starting
    // with "--" is an error (Error() tells which).
    CArguments(const std::vector<std::string>& args, const std::set<std::string>& valueOptions,
               const std::set<std::string>& switches);

    bool Ok() const { return m_error.empty(); }
    const std::string& Error() const { return m_error; }
    std::optional<std::string> Value(const std::string& option) const;
    bool Has(const std::string& flag) const { return m_switches.count(flag) != 0; }
    const std::vector<std::string>& Operands() const { return m_operands; }
    // An option's value as a whole number within bounds; Error() explains
    // when it is not.
    std::optional<int> Number(const std::string& option, int low, int high, int fallback);

private:
    std::map<std::string, std::string> m_values;
    std::set<std::string> m_switches;
    std::vector<std::string> m_operands;
    std::string m_error;
};
