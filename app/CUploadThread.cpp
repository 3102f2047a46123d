#include "CUploadThread.h"

#include "CTransferProgress.h"
#include "CUploadWorker.h"

#include <QThread>

CUploadThread::CUploadThread(CFtpUpload::Request request, CHistoryRecord record, QObject* parent)
    : QObject(parent)
    , m_progress(std::make_shared<CTransferProgress>())
    , m_thread(std::make_unique<QThread>())
    , m_worker(std::make_unique<CUploadWorker>(std::move(request), std::move(record), m_progress))
{
    m_worker->moveToThread(m_thread.get());
    connect(m_thread.get(), &QThread::started, m_worker.get(), &CUploadWorker::Run);
    // Direct, so that the thread ends without the owner's thread, which may
    // be waiting for it.
    connect(m_worker.get(), &CUploadWorker::TransferDone, m_thread.get(), &QThread::quit, Qt::DirectConnection);
    connect(m_worker.get(), &CUploadWorker::TransferDone, this, &CUploadThread::TransferDone, Qt::QueuedConnection);
}

CUploadThread::~CUploadThread()
{
    CancelAndWait();
}

void CUploadThread::Start()
{
    m_thread->start();
}

void CUploadThread::CancelAndWait()
{
    if (!m_thread->isRunning())
        return;
    m_progress->RequestCancel();
    m_thread->wait();
}
