#include "CCancellation.h"

#include <poll.h>
#include <sys/eventfd.h>
#include <unistd.h>

#include <cstdint>
#include <thread>

CCancellation::CCancellation()
    : m_fd(eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK))
{
}

CCancellation::~CCancellation()
{
    if (m_fd >= 0)
        close(m_fd);
}

void CCancellation::Cancel()
{
    m_cancelled.store(true, std::memory_order_release);
    const std::uint64_t one = 1;
    if (m_fd >= 0) {
        [[maybe_unused]] const ssize_t written = write(m_fd, &one, sizeof one);
    }
}

bool CCancellation::Pause(std::chrono::milliseconds duration) const
{
    if (m_fd < 0) {
        std::this_thread::sleep_for(duration);
        return !IsCancelled();
    }
    const auto end = std::chrono::steady_clock::now() + duration;
    while (!IsCancelled()) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(end - std::chrono::steady_clock::now());
        if (left.count() <= 0)
            return true;
        pollfd wait{m_fd, POLLIN, 0};
        poll(&wait, 1, static_cast<int>(left.count()));
    }
    return false;
}
