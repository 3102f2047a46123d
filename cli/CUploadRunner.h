#pragma once

#include "CSendSequence.h"

// The end of both send commands: upload what the send sequence prepared,
// with progress and Ctrl-C, and report how it ended.
class CUploadRunner {
public:
    // An exit code; prints the remote name when the upload finished.
    static int UploadAndReport(CSendSequence::Prepared prepared);
};
