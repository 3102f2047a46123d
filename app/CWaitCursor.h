#pragma once

#include <Qt>

// Shows the wait cursor while it lives; the busy cursor where the window
// still takes clicks meanwhile.
class CWaitCursor {
public:
    explicit CWaitCursor(Qt::CursorShape shape = Qt::WaitCursor);
    ~CWaitCursor();
    CWaitCursor(const CWaitCursor&) = delete;
    CWaitCursor& operator=(const CWaitCursor&) = delete;
};
