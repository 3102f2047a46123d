#include "CFolderWatch.h"

#include <poll.h>
#include <sys/inotify.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>
#include <filesystem>

namespace {
constexpr std::uint32_t kCompleteMask = IN_CLOSE_WRITE | IN_MOVED_TO;
constexpr std::uint32_t kMask = kCompleteMask | IN_CREATE | IN_MODIFY | IN_ATTRIB | IN_ONLYDIR;

std::int64_t Nanoseconds(const struct stat& info)
{
    return static_cast<std::int64_t>(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec;
}
}

CFolderWatch::CFolderWatch(std::string folder)
    : m_folder(std::move(folder))
    , m_fd(inotify_init1(IN_NONBLOCK | IN_CLOEXEC))
{
    if (m_fd >= 0 && inotify_add_watch(m_fd, m_folder.c_str(), kMask) >= 0)
        return;
    m_error = "cannot watch " + m_folder + ": " + std::strerror(errno);
    if (m_fd >= 0)
        close(m_fd);
    m_fd = -1;
}

CFolderWatch::~CFolderWatch()
{
    if (m_fd >= 0)
        close(m_fd);
}

void CFolderWatch::Wait(std::chrono::milliseconds timeout, int wakeFd) const
{
    pollfd fds[] = {{m_fd, POLLIN, 0}, {wakeFd, POLLIN, 0}};
    poll(fds, 2, static_cast<int>(std::clamp<std::chrono::milliseconds::rep>(timeout.count(), 0, 60000)));
}

std::vector<CFolderWatch::Event> CFolderWatch::ReadEvents()
{
    std::vector<Event> events;
    alignas(inotify_event) char buffer[16384];
    for (ssize_t got; (got = read(m_fd, buffer, sizeof buffer)) > 0;) {
        for (ssize_t at = 0; at < got;) {
            const auto* event = reinterpret_cast<const inotify_event*>(buffer + at);
            at += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
            if (event->len > 0 && !(event->mask & IN_ISDIR))
                events.push_back({event->name, (event->mask & kCompleteMask) != 0});
        }
    }
    return events;
}

std::vector<CFolderWatch::FileState> CFolderWatch::List() const
{
    std::vector<FileState> files;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(m_folder, error)) {
        struct stat info {};
        if (stat(entry.path().c_str(), &info) == 0 && S_ISREG(info.st_mode))
            files.push_back({entry.path().filename().string(), static_cast<std::uint64_t>(info.st_size),
                             Nanoseconds(info)});
    }
    return files;
}
