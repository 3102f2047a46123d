#include "CUploadRunner.h"

#include "CConsoleMonitor.h"
#include "CFtpUpload.h"
#include "CPrintJob.h"
#include "CRegistryValues.h"
#include "CTransferReport.h"
#include "ICommand.h"

#include <iostream>

int CUploadRunner::UploadAndReport(CPrintJob& job)
{
    const auto request =
        CFtpUpload::RequestFor(job, CRegistryValues::ReadFtpUserName(), CRegistryValues::ReadFtpPassword());
    if (!request) {
        job.SetSendFilePath("");
        return kExitFailed;
    }
    CFtpUpload upload(*request);
    CConsoleMonitor monitor("Sending");
    const CFtpUpload::Result result = upload.Run(monitor);
    job.SetSendFilePath("");
    switch (result) {
    case CFtpUpload::Result::Finished:
        std::cout << request->remoteFolder << '/' << request->remoteName << '\n';
        return kExitOk;
    case CFtpUpload::Result::Cancelled:
        return kExitCancelled;
    case CFtpUpload::Result::Failed:
        break;
    }
    CTransferReport::ReportFailure(upload.GetErrorText());
    return kExitFailed;
}
