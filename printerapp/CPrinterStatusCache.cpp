#include "CPrinterStatusCache.h"

#include "CDeviceUri.h"
#include "CMessageService.h"
#include "CPrinterIdentity.h"
#include "ResourceIds.h"

CPrinterStatusCache::CPrinterStatusCache()
    : m_worker([this](std::stop_token stop) { Run(stop); })
{
}

CPrinterStatusCache::~CPrinterStatusCache()
{
    m_worker.request_stop();
}

CPrinterStatusCache& CPrinterStatusCache::Instance()
{
    static CPrinterStatusCache cache;
    return cache;
}

void CPrinterStatusCache::Poll(const std::vector<std::string>& deviceUris)
{
    {
        const std::lock_guard lock(m_mutex);
        if (!m_pending.empty())
            return;
        m_pending = deviceUris;
    }
    m_wake.notify_one();
}

CPrinterStatusCache::State CPrinterStatusCache::Get(const std::string& deviceUri) const
{
    const std::lock_guard lock(m_mutex);
    const auto found = m_states.find(deviceUri);
    return found == m_states.end() ? State{} : found->second;
}

void CPrinterStatusCache::Note(const std::string& deviceUri, bool answering, const std::string& message)
{
    const std::lock_guard lock(m_mutex);
    State& state = m_states[deviceUri];
    state.answering = answering;
    state.message = message;
}

void CPrinterStatusCache::Run(std::stop_token stop)
{
    std::unique_lock lock(m_mutex);
    while (m_wake.wait(lock, stop, [this] { return !m_pending.empty(); })) {
        const std::vector<std::string> uris = m_pending;
        lock.unlock();
        for (const std::string& uri : uris)
            if (!stop.stop_requested())
                Ask(uri);
        lock.lock();
        m_pending.clear();
    }
}

void CPrinterStatusCache::Ask(const std::string& deviceUri)
{
    const auto uri = CDeviceUri::Parse(deviceUri);
    if (!uri)
        return;
    Answered(deviceUri, CPrinterIdentity::Ask(uri->PrinterName()));
}

void CPrinterStatusCache::Answered(const std::string& deviceUri, const std::optional<CPrinterQuery::Answer>& answer)
{
    const std::lock_guard lock(m_mutex);
    State& state = m_states[deviceUri];
    state.answering = answer.has_value();
    state.message = answer ? "" : CMessageService::Format(ResId::kNoAnswerMessage);
    if (answer)
        state.answer = answer;
}
