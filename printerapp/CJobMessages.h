#pragma once

// The server's message sink. Jobs of different printers run on threads of
// their own at once, and each job keeps the messages of its send for its
// job-state-message through a CMessageTap on its thread; a message of no
// job goes to the log (standard error).
class CJobMessages {
public:
    // Once, before any job runs.
    static void Install();
};
