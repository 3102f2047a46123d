#include "CHotFolder.h"

#include "CFormatTable.h"
#include "CMessageService.h"
#include "COneLine.h"
#include "CStopSignal.h"
#include "CWatchRecovery.h"
#include "ResourceIds.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>

namespace {
using namespace std::chrono_literals;

// The send history knows the watcher's sends by its folder.
std::string Tag(const std::string& folder)
{
    return "watch " + folder;
}

// One name for the folder however it is given, so that the next run finds
// its records.
CHotFolder::Options WithAbsoluteFolder(CHotFolder::Options options)
{
    std::error_code error;
    const auto path = std::filesystem::canonical(options.folder, error);
    if (!error)
        options.folder = path.string();
    return options;
}

// A reason of several messages on one line of the event log.
std::string OneLine(std::string text)
{
    for (std::size_t at = 0; (at = text.find('\n', at)) != std::string::npos;)
        text.replace(at, 1, " / ");
    return text;
}

// The files of a job, or the partial files of one that has none left.
std::string Names(const CWatchJob& job)
{
    std::string names;
    for (const auto& entry : job.entries)
        names += (names.empty() ? "" : ", ") + entry.name;
    for (const auto& record : job.unfinished)
        if (job.entries.empty())
            names += (names.empty() ? "" : ", ") + record.remoteName;
    return names;
}

std::string Seconds(CHotFolder::Clock::duration duration)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.1f s", std::chrono::duration<double>(duration).count());
    return text;
}
}

CHotFolder::CHotFolder(Options options, CWatchSender::Recipe recipe, std::ostream& events)
    : m_options(WithAbsoluteFolder(std::move(options)))
    , m_sender(std::move(recipe), Tag(m_options.folder))
    , m_events(events)
    , m_watch(m_options.folder)
    , m_folders(m_options.folder)
    , m_tracker(m_options.settle)
    , m_batch(m_options.batch)
{
}

bool CHotFolder::Run()
{
    const CStopSignal stop;
    if (!Start())
        return false;
    Event("watching " + m_options.folder);
    while (!CStopSignal::IsRaised()) {
        Look(Clock::now());
        TakeReady(Clock::now());
        SendDue(Clock::now());
        m_watch.Wait(std::chrono::duration_cast<std::chrono::milliseconds>(WaitTime(Clock::now())), stop.Fd());
    }
    Event("stopped");
    return true;
}

bool CHotFolder::Start()
{
    std::string error;
    if (!m_watch.IsOpen())
        error = m_watch.GetError();
    else if (!m_folders.Open())
        error = m_folders.GetError();
    else if (!m_history.OpenDefault())
        error = "the send history, which tells what was sent, cannot be opened: " + m_history.GetError();
    if (!error.empty()) {
        CMessageService::ShowText(error);
        return false;
    }
    Recover();
    return true;
}

void CHotFolder::Recover()
{
    CHistoryFilter own;
    own.tag = Tag(m_options.folder);
    const auto plan = CWatchRecovery::Make(m_history.Query(own), m_folders.Sending());
    for (const auto& entry : plan.done)
        if (ToSent(entry))
            Event("sent " + entry.name + " (recorded before)");
    for (const auto& unfinished : plan.unfinished)
        Queue(unfinished.entries, {unfinished.record});
    for (const auto& entry : plan.pending) {
        Event("taken " + entry.name + " (again)");
        m_batch.Add(entry, Clock::now());
    }
}

void CHotFolder::Look(Clock::time_point now)
{
    for (const auto& event : m_watch.ReadEvents())
        m_tracker.Report(event, now);
    m_tracker.Update(m_watch.List(), now);
}

void CHotFolder::TakeReady(Clock::time_point now)
{
    const auto ready = m_tracker.TakeReady(now);
    if (!ready.empty()) {
        // Read again each time: the extensions may have changed meanwhile.
        const CFormatTable formats = CFormatTable::Load();
        for (const auto& name : ready)
            Take(name, formats, now);
    }
    for (auto& entries : m_batch.TakeClosed(now))
        Queue(std::move(entries), {});
}

void CHotFolder::Take(const std::string& name, const CFormatTable& formats, Clock::time_point now)
{
    if (!m_options.anyExtension && formats.FormatOf(name) == formats.UnknownMarker()) {
        const std::string reason = CMessageService::Format(ResId::kUnknownFormatMessage, name);
        if (m_folders.Reject(name, reason))
            Event("failed " + name + ": " + reason);
    } else if (auto entry = m_folders.Take(name)) {
        Event("taken " + name);
        m_batch.Add(std::move(*entry), now);
    }
}

void CHotFolder::Queue(std::vector<CWatchFolders::Entry> entries, std::vector<CHistoryRecord> unfinished)
{
    m_queue.push_back({std::move(entries), std::move(unfinished), CRetrySchedule(m_options.retryFor), Clock::now()});
}

// One attempt a turn, so that files keep being taken between the jobs.
void CHotFolder::SendDue(Clock::time_point now)
{
    if (!m_queue.empty() && m_queue.front().due <= now && Attempt(m_queue.front(), now))
        m_queue.pop_front();
}

bool CHotFolder::Attempt(CWatchJob& job, Clock::time_point now)
{
    const CWatchSender::Outcome removed = RemovePartials(job);
    if (removed.status != CWatchSender::Outcome::Status::Done)
        return Retry(job, removed.text, now);
    if (job.entries.empty())
        return true;
    std::vector<std::string> paths, sources;
    for (const auto& entry : job.entries) {
        paths.push_back(m_folders.PathOf(entry));
        sources.push_back(entry.Source());
    }
    const CWatchSender::Outcome outcome = m_sender.Send(paths, sources);
    if (!outcome.historyError.empty())
        CMessageService::ShowText("warning: " + outcome.historyError);
    return Conclude(job, outcome, Clock::now());
}

// A partial file that cannot be removed now keeps its record unfinished
// for the next attempt, or the next run.
CWatchSender::Outcome CHotFolder::RemovePartials(CWatchJob& job)
{
    while (!job.unfinished.empty()) {
        const CHistoryRecord& record = job.unfinished.front();
        CWatchSender::Outcome outcome = m_sender.RemovePartial(record);
        if (outcome.status != CWatchSender::Outcome::Status::Done)
            return outcome;
        m_history.FinishSend(record.id, CHistoryRecord::Result::Cancelled, {}, 0);
        Event("removed " + record.remoteName + " from the printer: its upload never ended");
        job.unfinished.erase(job.unfinished.begin());
    }
    return {CWatchSender::Outcome::Status::Done, {}, {}};
}

bool CHotFolder::ToSent(const CWatchFolders::Entry& entry)
{
    const auto name = m_folders.ToSent(entry);
    if (name) {
        const auto path = std::filesystem::absolute(m_folders.Folder() + "/" + CWatchFolders::kSent + "/" + *name);
        m_history.RelocateFile(entry.Source(), path.lexically_normal().string());
    }
    return name.has_value();
}

bool CHotFolder::Conclude(CWatchJob& job, const CWatchSender::Outcome& outcome, Clock::time_point now)
{
    switch (outcome.status) {
    case CWatchSender::Outcome::Status::Done:
        for (const auto& entry : job.entries)
            ToSent(entry);
        Event("sent " + Names(job) + " as " + outcome.text);
        return true;
    case CWatchSender::Outcome::Status::Retry:
        return Retry(job, outcome.text, now);
    case CWatchSender::Outcome::Status::Failed:
        Fail(job, outcome.text);
        return true;
    case CWatchSender::Outcome::Status::Cancelled:
        break;
    }
    return false;
}

bool CHotFolder::Retry(CWatchJob& job, const std::string& reason, Clock::time_point now)
{
    const auto pause = job.retry.NextPause(now);
    if (!pause) {
        Fail(job, reason);
        return true;
    }
    job.due = now + *pause;
    Event("retrying " + Names(job) + " in " + Seconds(*pause) + ": " + OneLine(reason));
    return false;
}

void CHotFolder::Fail(const CWatchJob& job, const std::string& reason)
{
    for (const auto& entry : job.entries) {
        m_folders.ToFailed(entry, reason);
        Event("failed " + entry.name + ": " + OneLine(reason));
    }
    if (job.entries.empty())
        Event("failed " + Names(job) + ": " + OneLine(reason));
}

// The listing is the fallback for what inotify does not tell, such as a
// file that grows without being closed.
CHotFolder::Clock::duration CHotFolder::WaitTime(Clock::time_point now) const
{
    Clock::time_point wake = now + std::clamp<Clock::duration>(m_options.settle / 2, 50ms, 1s);
    for (const auto& next : {m_tracker.NextReady(), m_batch.ClosesAt()})
        if (next)
            wake = std::min(wake, *next);
    if (!m_queue.empty())
        wake = std::min(wake, m_queue.front().due);
    return std::max(wake - now, Clock::duration::zero());
}

void CHotFolder::Event(const std::string& line)
{
    m_events << COneLine::Escape(line) << std::endl;
}
