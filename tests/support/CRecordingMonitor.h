#pragma once

#include "IProgressMonitor.h"

#include <cstdint>
#include <functional>
#include <vector>

// What a builder or upload reports, with a cancel on a condition of the
// test's choice.
class CRecordingMonitor : public IProgressMonitor {
public:
    void Begin(std::uint64_t total) override { totals.push_back(total); }
    bool IsCancelled() override
    {
        ++checks;
        return cancelWhen && cancelWhen();
    }
    void Advance(std::uint64_t bytes) override
    {
        steps.push_back(bytes);
        done += bytes;
    }
    void End() override { ++ends; }

    std::function<bool()> cancelWhen;
    std::vector<std::uint64_t> totals;
    std::vector<std::uint64_t> steps;
    std::uint64_t done = 0;
    int checks = 0;
    int ends = 0;
};
