#include "CQueueSender.h"

#include "CDeviceUri.h"
#include "CDocumentFormats.h"
#include "CFormatTable.h"
#include "CMessageService.h"
#include "CMessageTap.h"
#include "CPrintJob.h"
#include "CPrinterAppFrontEnd.h"
#include "CProgramVersion.h"
#include "CRetrySchedule.h"
#include "CSendHistory.h"
#include "CSendSequence.h"
#include "CTempFolder.h"
#include "ResourceIds.h"

#include <unistd.h>

#include <map>
#include <memory>
#include <mutex>
#include <thread>

namespace {
// Queues that share a printer take turns, as one printer takes one
// upload at a time.
std::mutex& PrinterLock(const std::string& printerName)
{
    static std::mutex guard;
    static std::map<std::string, std::unique_ptr<std::mutex>> locks;
    const std::lock_guard lock(guard);
    auto& entry = locks[printerName];
    if (!entry)
        entry = std::make_unique<std::mutex>();
    return *entry;
}

CQueueSender::Outcome::Status StatusOf(CFtpUpload::Result result)
{
    switch (result) {
    case CFtpUpload::Result::Finished:
        return CQueueSender::Outcome::Status::Done;
    case CFtpUpload::Result::Cancelled:
        return CQueueSender::Outcome::Status::Cancelled;
    case CFtpUpload::Result::Failed:
        break;
    }
    return CQueueSender::Outcome::Status::Failed;
}
}

CQueueSender::CQueueSender(std::chrono::seconds retryFor, Watchers watchers)
    : m_retryFor(retryFor)
    , m_watchers(std::move(watchers))
{
}

CQueueSender::Outcome CQueueSender::Send(const CQueueJob& job) const
{
    if (!job.refusal.empty()) {
        Record(job, CHistoryRecord::Result::Failed, job.refusal);
        return {Outcome::Status::Failed, job.refusal};
    }
    if (const auto sent = SentBefore(job.key))
        return {Outcome::Status::Done, *sent};
    CRetrySchedule schedule(m_retryFor);
    for (;;) {
        Outcome outcome;
        const Attempt attempt = TrySend(job, outcome);
        if (attempt != Attempt::NoAnswer)
            return outcome;
        m_watchers.printerState(false, outcome.text);
        const auto pause = schedule.NextPause(CRetrySchedule::Clock::now());
        if (!pause || !Pause(*pause)) {
            const bool cancelled = m_watchers.cancelled();
            Record(job, cancelled ? CHistoryRecord::Result::Cancelled : CHistoryRecord::Result::Failed, outcome.text);
            return {cancelled ? Outcome::Status::Cancelled : Outcome::Status::Failed, outcome.text};
        }
    }
}

CQueueSender::Attempt CQueueSender::TrySend(const CQueueJob& job, Outcome& outcome) const
{
    CMessageTap messages;
    const auto uri = CDeviceUri::Parse(job.deviceUri);
    // The entries are links named as the client named the documents, as
    // the job carries each entry's file name.
    CTempFolder folder;
    CPrintJob list;
    if (!uri || folder.Path().empty() || !FillList(list, job, folder.Path())) {
        outcome = {Outcome::Status::Failed, messages.Text()};
        Record(job, CHistoryRecord::Result::Failed, outcome.text);
        return Attempt::Over;
    }
    const std::lock_guard turn(PrinterLock(uri->PrinterName()));
    CPrinterAppFrontEnd frontEnd(m_watchers.cancelled);
    // The job's own record tells how it ended, after its last try.
    CSendSequence sequence(frontEnd, {nullptr, std::nullopt, false}, CProgramVersion::ReadRegionCode());
    const CSendChoices choices{uri->PrinterName(), uri->Number(), job.owner, false, false, job.setting};
    CSendSequence::Prepared prepared = sequence.PrepareListSend(list, choices);
    if (prepared.status == CSendSequence::Prepared::Status::Ready) {
        m_watchers.printerState(true, {});
        prepared.record.tag = job.key;
        prepared.record.queue = job.queue;
        prepared.record.media = job.media;
        const auto uploaded = CSendSequence::Upload(prepared.request, prepared.record, frontEnd);
        CSendSequence::Report(uploaded);
        const std::string name = prepared.request.remoteFolder + '/' + prepared.request.remoteName;
        outcome = {StatusOf(uploaded.result), uploaded.result == CFtpUpload::Result::Finished ? name : messages.Text()};
        return Attempt::Sent;
    }
    outcome = {m_watchers.cancelled() ? Outcome::Status::Cancelled : Outcome::Status::Failed, messages.Text()};
    if (!frontEnd.PrinterAnswered() && outcome.status == Outcome::Status::Failed)
        return Attempt::NoAnswer;
    m_watchers.printerState(frontEnd.PrinterAnswered(), {});
    Record(job, outcome.status == Outcome::Status::Cancelled ? CHistoryRecord::Result::Cancelled
                                                             : CHistoryRecord::Result::Failed,
           outcome.text);
    return Attempt::Over;
}

bool CQueueSender::FillList(CPrintJob& list, const CQueueJob& job, const std::string& folder) const
{
    const CFormatTable formats = CFormatTable::Load();
    for (const CQueueJob::Document& document : job.documents) {
        const auto format = CDocumentFormats::DataFormatOf(formats, document.mimeType);
        const std::string link = folder + '/' + document.name;
        if (!format || ::symlink(document.path.c_str(), link.c_str()) != 0) {
            CMessageService::Show(ResId::kUnknownFormatMessage, document.mimeType);
            return false;
        }
        auto entry = std::make_unique<CPrintData>();
        if (!entry->SetFile(link, formats))
            return false;
        entry->SetDataFormat(*format);
        entry->SetCopies(job.copies);
        list.InsertAt(list.GetCount(), std::move(entry));
    }
    return list.GetCount() > 0;
}

// False when the job was cancelled meanwhile.
bool CQueueSender::Pause(std::chrono::steady_clock::duration pause) const
{
    const auto end = std::chrono::steady_clock::now() + pause;
    while (std::chrono::steady_clock::now() < end) {
        if (m_watchers.cancelled())
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    return !m_watchers.cancelled();
}

// A job that never reached its upload has a record all the same.
void CQueueSender::Record(const CQueueJob& job, CHistoryRecord::Result result, const std::string& message)
{
    CHistoryRecord record;
    if (const auto uri = CDeviceUri::Parse(job.deviceUri)) {
        record.printer = uri->PrinterName();
        record.number = uri->Number();
    }
    record.owner = job.owner;
    record.setting = job.setting;
    record.tag = job.key;
    record.queue = job.queue;
    record.media = job.media;
    for (const CQueueJob::Document& document : job.documents)
        record.files.push_back({document.name, 0, {}, {}, job.copies});
    CSendHistory history;
    if (history.OpenDefault())
        history.FinishSend(history.BeginSend(record), result, message, 0);
}

// A job reloaded after a restart whose upload the history recorded as done
// went already; only the printer's name for it is left to tell.
std::optional<std::string> CQueueSender::SentBefore(const std::string& key)
{
    CSendHistory history;
    if (key.empty() || !history.OpenDefault())
        return std::nullopt;
    for (const CHistoryRecord& record : history.Query({{}, 0, {}, key, false, 0}))
        if (record.result == CHistoryRecord::Result::Done)
            return record.remoteName;
    return std::nullopt;
}
