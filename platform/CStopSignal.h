#pragma once

#include <signal.h>

// While one lives, SIGINT and SIGTERM ask for a clean stop instead of ending
// the process: they set a flag and make Fd() readable, so that a loop
// waiting on it wakes at once.
class CStopSignal {
public:
    CStopSignal();
    ~CStopSignal();
    CStopSignal(const CStopSignal&) = delete;
    CStopSignal& operator=(const CStopSignal&) = delete;

    int Fd() const;
    static bool IsRaised();

private:
    struct sigaction m_previousInterrupt {};
    struct sigaction m_previousTerminate {};
};
