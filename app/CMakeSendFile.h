#pragma once

#include "CProgressRange.h"
#include "IProgressMonitor.h"

#include <QDialog>

#include <chrono>
#include <memory>

namespace Ui {
class CMakeSendFile;
}
class CSendoraApp;

// Shown while a send file is built on the UI thread: the bar of the copied
// plot data and Cancel. Before a block it lets the UI thread handle what is
// pending, so the windows keep painting and Cancel is heard: before every
// block that comes a millisecond or more after the last such turn.
class CMakeSendFile : public QDialog, public IProgressMonitor {
    Q_OBJECT

public:
    // The bar moves in thousandths of the whole: each move costs the bar
    // more than copying a block costs the build.
    static constexpr std::uint64_t kBarSteps = 1000;
    // Each turn of the event loop costs system calls, more than copying a
    // block from a fast disk; a thousand turns a second keep the windows
    // as responsive as turns for every block would.
    static constexpr std::chrono::microseconds kEventInterval{1000};

    // Localised, centred over the owner and shown.
    CMakeSendFile(const CSendoraApp& app, QWidget& owner);
    ~CMakeSendFile() override;

    void Begin(std::uint64_t totalBytes) override;
    bool IsCancelled() override;
    void Advance(std::uint64_t bytes) override;
    void End() override;

    // What the Cancel button does: the build stops before its next block.
    void Cancel();
    // The close box and Escape cancel too.
    void reject() override;

private:
    std::unique_ptr<Ui::CMakeSendFile> m_ui;
    CProgressRange m_range;
    std::uint64_t m_done = 0;
    std::uint64_t m_nextMove = 0;
    std::uint64_t m_moveBytes = 1;
    bool m_cancelled = false;
    std::chrono::steady_clock::time_point m_lastEvents{};
};
