#pragma once

#include "CFtpUpload.h"
#include "CHistoryRecord.h"

#include <QObject>
#include <QString>

#include <memory>

class CTransferProgress;
class CUploadWorker;
class QThread;

// One transfer: the upload worker on a thread of its own and the progress
// it shares with the window. Its signal arrives on the owner's thread;
// destroying it cancels a running upload and waits for the thread to end.
class CUploadThread : public QObject {
    Q_OBJECT

public:
    CUploadThread(CFtpUpload::Request request, CHistoryRecord record, QObject* parent = nullptr);
    ~CUploadThread() override;

    const std::shared_ptr<CTransferProgress>& Progress() const { return m_progress; }
    void Start();
    // The worker stops before its next block; returns once its thread has ended.
    void CancelAndWait();

signals:
    void TransferDone(bool finished, unsigned messageId, const QString& message);

private:
    std::shared_ptr<CTransferProgress> m_progress;
    std::unique_ptr<QThread> m_thread;
    std::unique_ptr<CUploadWorker> m_worker;
};
