#include "CUploadWorker.h"

#include "CSendSequence.h"
#include "CTransferProgress.h"

CUploadWorker::CUploadWorker(CFtpUpload::Request request, CHistoryRecord record,
                             std::shared_ptr<CTransferProgress> progress)
    : m_request(std::move(request))
    , m_record(std::move(record))
    , m_progress(std::move(progress))
{
}

void CUploadWorker::Run()
{
    const CSendSequence::Uploaded uploaded = CSendSequence::Upload(m_request, m_record, *m_progress);
    if (uploaded.result == CFtpUpload::Result::Finished)
        m_progress->Complete();
    emit TransferDone(uploaded.result != CFtpUpload::Result::Failed, uploaded.message.id,
                      QString::fromStdString(uploaded.message.text));
}
