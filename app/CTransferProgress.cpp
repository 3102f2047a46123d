#include "CTransferProgress.h"

void CTransferProgress::Begin(std::uint64_t totalBytes)
{
    m_totalBytes.store(totalBytes, std::memory_order_relaxed);
    m_steps.store(0, std::memory_order_relaxed);
    m_begun.store(true, std::memory_order_release);
}

bool CTransferProgress::IsCancelled()
{
    return m_cancelled.load(std::memory_order_relaxed);
}

void CTransferProgress::Advance(std::uint64_t)
{
    m_steps.fetch_add(1, std::memory_order_relaxed);
}

void CTransferProgress::End()
{
}

void CTransferProgress::Complete()
{
    m_complete.store(true, std::memory_order_release);
}

void CTransferProgress::RequestCancel()
{
    m_cancelled.store(true, std::memory_order_relaxed);
}

CTransferProgress::Snapshot CTransferProgress::Read() const
{
    Snapshot snapshot;
    snapshot.complete = m_complete.load(std::memory_order_acquire);
    snapshot.begun = m_begun.load(std::memory_order_acquire);
    snapshot.totalBytes = m_totalBytes.load(std::memory_order_relaxed);
    snapshot.steps = m_steps.load(std::memory_order_relaxed);
    return snapshot;
}
