#pragma once

#include "IProgressMonitor.h"

#include <atomic>
#include <cstdint>

// What the upload worker and the progress window share. The worker only
// writes counters, so it never waits for the window; the window reads them
// at its own pace and sets the cancel request.
class CTransferProgress : public IProgressMonitor {
public:
    struct Snapshot {
        // The printer has taken the file.
        bool begun = false;
        std::uint64_t totalBytes = 0;
        std::uint64_t steps = 0;
        bool complete = false;
    };

    // The worker's side: one step per block.
    void Begin(std::uint64_t totalBytes) override;
    bool IsCancelled() override;
    void Advance(std::uint64_t bytes) override;
    void End() override;
    // Every byte has gone.
    void Complete();

    // The window's side.
    void RequestCancel();
    Snapshot Read() const;

private:
    std::atomic<std::uint64_t> m_totalBytes{0};
    std::atomic<std::uint64_t> m_steps{0};
    std::atomic<bool> m_begun{false};
    std::atomic<bool> m_complete{false};
    std::atomic<bool> m_cancelled{false};
};
