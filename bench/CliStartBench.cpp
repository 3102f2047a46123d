// Times the start of qx-sendora-cli for calls that need only the core:
// --version, formats and build of the setup job (-o JOB --setting NAME, no
// file). Each run is paired with `cat /dev/null`, the measure of a program
// that starts at once, on the same machine at the same moment. Also counts
// the shared libraries each call loads and its peak memory.
#include "CBenchClock.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

extern char** environ;

namespace {
using Clock = CBenchClock::Clock;

struct Call {
    const char* label;
    std::vector<std::string> args;
};

struct Outcome {
    double ms = -1;
    long peakKib = 0;
};

// Runs a program, its output to /dev/null or, with stderrFile, standard
// error to that file; -1 ms when it could not run or failed.
Outcome Run(const std::vector<std::string>& args, const std::vector<std::string>& extraEnvironment = {},
            const std::string& stderrFile = "/dev/null")
{
    std::vector<std::string> environment(extraEnvironment);
    for (char** variable = environ; *variable; ++variable)
        environment.emplace_back(*variable);
    std::vector<char*> argv, envp;
    for (const auto& arg : args)
        argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);
    for (const auto& variable : environment)
        envp.push_back(const_cast<char*>(variable.c_str()));
    envp.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, stderrFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    Outcome outcome;
    const auto start = Clock::now();
    pid_t pid = 0;
    const int spawned = posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    int status = 0;
    rusage usage{};
    if (spawned != 0 || wait4(pid, &status, 0, &usage) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return outcome;
    outcome.ms = CBenchClock::MillisecondsSince(start);
    outcome.peakKib = usage.ru_maxrss;
    return outcome;
}

// The shared libraries the dynamic loader initialised for the call, the
// helper program's too when it hands over.
int LibraryCount(const std::vector<std::string>& args, const std::string& logFile)
{
    if (Run(args, {"LD_DEBUG=libs"}, logFile).ms < 0)
        return -1;
    std::ifstream log(logFile);
    int count = 0;
    for (std::string line; std::getline(log, line);)
        count += line.find("calling init:") != std::string::npos;
    return count;
}

bool Measure(const Call& call, int runs, const std::string& logFile)
{
    std::vector<double> cli, cat, ratios;
    long peak = 0;
    for (int run = 0; run < runs; ++run) {
        const Outcome own = Run(call.args);
        const Outcome reference = Run({"cat", "/dev/null"});
        if (own.ms < 0 || reference.ms < 0) {
            std::fprintf(stderr, "%s: the call failed\n", call.label);
            return false;
        }
        cli.push_back(own.ms);
        cat.push_back(reference.ms);
        ratios.push_back(own.ms / reference.ms);
        peak = std::max(peak, own.peakKib);
    }
    const double cliMs = CBenchClock::Median(cli);
    const double catMs = CBenchClock::Median(cat);
    const double goal = 3 * catMs + 5;
    std::printf("  %-28s %6.1f ms, cat %5.1f ms, ratio %5.2f; goal <= %5.1f ms %s; %3d libraries, peak %5.1f MiB\n",
                call.label, cliMs, catMs, CBenchClock::Median(ratios), goal, cliMs <= goal ? "met" : "MISSED",
                LibraryCount(call.args, logFile), peak / 1024.0);
    return cliMs <= goal;
}
}

int main(int argc, char** argv)
{
    if (argc < 4) {
        std::fprintf(stderr, "usage: %s CLI WORK_FOLDER SETTING [RUNS]\n", argv[0]);
        return 2;
    }
    const std::string cli = argv[1];
    const std::string work = argv[2];
    const int runs = argc > 4 ? std::max(1, std::atoi(argv[4])) : 41;
    const Call calls[] = {{"--version", {cli, "--version"}},
                          {"formats", {cli, "formats"}},
                          {"build -o JOB --setting NAME", {cli, "build", "-o", work + "/setup.pjl", "--setting", argv[3]}}};
    std::printf("start of %s, median of %d pairs with cat /dev/null (goal: at most 3 x cat + 5 ms):\n", cli.c_str(),
                runs);
    bool allMet = true;
    for (const Call& call : calls)
        allMet = Measure(call, runs, work + "/ld-debug.txt") && allMet;
    return allMet ? 0 : 1;
}
