#pragma once

#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

// What arrives in one folder, not its subfolders. inotify tells at once
// when a file was closed after writing or moved in; a listing of the folder
// (the poll fallback) finds every file however it came, and its size and
// time for telling when a file has stopped growing.
class CFolderWatch {
public:
    struct Event {
        std::string name;
        // Closed after writing or moved in: whole as it stands. Otherwise
        // created or written to.
        bool complete = false;
    };

    struct FileState {
        std::string name;
        std::uint64_t size = 0;
        std::int64_t modified = 0;  // nanoseconds since 1970
    };

    explicit CFolderWatch(std::string folder);
    ~CFolderWatch();
    CFolderWatch(const CFolderWatch&) = delete;
    CFolderWatch& operator=(const CFolderWatch&) = delete;

    // False when the folder cannot be watched; GetError() tells why.
    bool IsOpen() const { return m_fd >= 0; }
    const std::string& GetError() const { return m_error; }
    // Returns when events have come, wakeFd has become readable, or the
    // timeout has passed.
    void Wait(std::chrono::milliseconds timeout, int wakeFd) const;
    // The events that have come, without waiting. Folders are left out.
    std::vector<Event> ReadEvents();
    // The regular files in the folder now.
    std::vector<FileState> List() const;

private:
    std::string m_folder;
    int m_fd = -1;
    std::string m_error;
};
