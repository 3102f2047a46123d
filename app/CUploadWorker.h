#pragma once

#include "CFtpUpload.h"
#include "CHistoryRecord.h"

#include <QObject>
#include <QString>

#include <memory>

class CTransferProgress;

// Uploads one send file on the thread it has been moved to. It reports
// progress and hears a cancel request only through the shared progress,
// and the end only through its signal.
class CUploadWorker : public QObject {
    Q_OBJECT

public:
    CUploadWorker(CFtpUpload::Request request, CHistoryRecord record, std::shared_ptr<CTransferProgress> progress);

    void Run();

signals:
    // finished is true for a finished or cancelled upload; when it is
    // false, the message (of that string identifier) tells what went wrong.
    void TransferDone(bool finished, unsigned messageId, const QString& message);

private:
    CFtpUpload::Request m_request;
    CHistoryRecord m_record;
    std::shared_ptr<CTransferProgress> m_progress;
};
