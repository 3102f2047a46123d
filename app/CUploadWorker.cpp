#include "CUploadWorker.h"

#include "CTransferProgress.h"

CUploadWorker::CUploadWorker(CFtpUpload::Request request, std::shared_ptr<CTransferProgress> progress)
    : m_request(std::move(request))
    , m_progress(std::move(progress))
{
}

void CUploadWorker::Run()
{
    CFtpUpload upload(m_request);
    const CFtpUpload::Result result = upload.Run(*m_progress);
    if (result == CFtpUpload::Result::Finished)
        m_progress->Complete();
    emit TransferDone(result != CFtpUpload::Result::Failed, QString::fromStdString(upload.GetErrorText()));
}
