#pragma once

#include <cstdint>

// Watches long work on a file (building a job, uploading it): the window
// shows a dialog with a bar and a Cancel button, the command line a progress
// line and Ctrl-C.
class IProgressMonitor {
public:
    virtual ~IProgressMonitor() = default;
    // The work is about to move totalBytes.
    virtual void Begin(std::uint64_t totalBytes) = 0;
    // Asked before every block; may process pending events first.
    virtual bool IsCancelled() = 0;
    virtual void Advance(std::uint64_t bytes) = 0;
    // The work has ended.
    virtual void End() = 0;
};
