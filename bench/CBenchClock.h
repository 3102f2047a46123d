#pragma once

#include <algorithm>
#include <chrono>
#include <vector>

// Timing shared by the benchmarks: each prints the median of its runs, so
// that one slow run on a busy machine does not decide the figure.
class CBenchClock {
public:
    using Clock = std::chrono::steady_clock;

    static double MillisecondsSince(Clock::time_point start)
    {
        return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    }

    static double Median(std::vector<double> values)
    {
        std::sort(values.begin(), values.end());
        const std::size_t middle = values.size() / 2;
        return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
    }
};
