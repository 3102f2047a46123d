#pragma once

class CPrintJob;

// The second half of both send commands: upload the job's send file with
// progress and Ctrl-C, report how it ended, delete the send file.
class CUploadRunner {
public:
    // An exit code; prints the remote name when the upload finished.
    static int UploadAndReport(CPrintJob& job);
};
