#pragma once

#include <map>
#include <string>
#include <vector>

// What a program printed and its exit code.
struct CProcessResult {
    int exitCode = -1;
    std::string out;
    std::string err;
};

class CProcess {
public:
    // Runs a program to its end, with standard input empty. environment
    // entries are added to (or replace those of) the test's own.
    static CProcessResult Run(const std::string& program, const std::vector<std::string>& args,
                              const std::map<std::string, std::string>& environment = {});
};
