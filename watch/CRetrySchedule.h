#pragma once

#include <chrono>
#include <optional>

// Pauses between the attempts at one job while the printer does not
// answer: 1, 2, 4 ... seconds, at most a minute, for as long as the limit
// allows from the first failure on.
class CRetrySchedule {
public:
    using Clock = std::chrono::steady_clock;
    static constexpr std::chrono::seconds kFirstPause{1};
    static constexpr std::chrono::seconds kLongestPause{60};

    explicit CRetrySchedule(Clock::duration limit);
    // The pause after a failure at now; nothing once the limit has passed.
    std::optional<Clock::duration> NextPause(Clock::time_point now);

private:
    Clock::duration m_limit;
    Clock::duration m_pause = kFirstPause;
    std::optional<Clock::time_point> m_firstFailure;
};
