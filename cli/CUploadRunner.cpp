#include "CUploadRunner.h"

#include "CConsoleMonitor.h"
#include "ICommand.h"

#include <iostream>

int CUploadRunner::UploadAndReport(CSendSequence::Prepared prepared)
{
    switch (prepared.status) {
    case CSendSequence::Prepared::Status::Stopped:
        return kExitFailed;
    case CSendSequence::Prepared::Status::Cancelled:
        return kExitCancelled;
    case CSendSequence::Prepared::Status::Ready:
        break;
    }
    CConsoleMonitor monitor("Sending");
    const CSendSequence::Uploaded uploaded = CSendSequence::Upload(prepared.request, prepared.record, monitor);
    if (!uploaded.historyError.empty())
        std::cerr << "qx-sendora-cli: warning: " << uploaded.historyError << '\n';
    CSendSequence::Report(uploaded);
    switch (uploaded.result) {
    case CFtpUpload::Result::Finished:
        std::cout << prepared.request.remoteFolder << '/' << prepared.request.remoteName << '\n';
        return kExitOk;
    case CFtpUpload::Result::Cancelled:
        return kExitCancelled;
    case CFtpUpload::Result::Failed:
        break;
    }
    return kExitFailed;
}
