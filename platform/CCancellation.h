#pragma once

#include <atomic>
#include <chrono>

// A stop asked for by another thread: a socket wait or a pause given it
// ends as soon as it is raised, rather than at its own time limit.
class CCancellation {
public:
    CCancellation();
    ~CCancellation();
    CCancellation(const CCancellation&) = delete;
    CCancellation& operator=(const CCancellation&) = delete;

    void Cancel();
    bool IsCancelled() const { return m_cancelled.load(std::memory_order_acquire); }
    // Readable once cancelled, for poll.
    int Fd() const { return m_fd; }
    // Waits that long; false when cancelled before or meanwhile.
    bool Pause(std::chrono::milliseconds duration) const;

private:
    int m_fd;
    std::atomic<bool> m_cancelled{false};
};
