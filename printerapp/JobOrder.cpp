#include "JobOrder.h"

#include <algorithm>
#include <mutex>
#include <set>
#include <utility>
#include <vector>

namespace {
std::mutex g_lock;
// The jobs this program held, by queue and job id; a job a user held is
// left alone.
std::set<std::pair<pappl_printer_t*, int>> g_held;
// The queues this program told to hold new jobs. PAPPL 1.3.1 does not tell;
// a queue it kept holding over a restart is caught up with at its next job.
std::set<pappl_printer_t*> g_closed;

struct WaitingJob {
    pappl_job_t* job;
    int id;
    ipp_jstate_t state;
    bool complete;  // its document has arrived
};

bool HeldByUser(pappl_printer_t* printer, pappl_job_t* job)
{
    return (papplJobGetReasons(job) & PAPPL_JREASON_JOB_HOLD_UNTIL_SPECIFIED) &&
           !g_held.count({printer, papplJobGetID(job)});
}

// Gathered first: holding or releasing a job inside the iteration would
// wait on the lock the iteration holds. A job still arriving counts, so
// that a quicker one behind it cannot pass it.
std::vector<WaitingJob> WaitingJobs(pappl_printer_t* printer)
{
    std::vector<WaitingJob> jobs;
    papplPrinterIterateActiveJobs(
        printer,
        [](pappl_job_t* job, void* data) {
            const ipp_jstate_t state = papplJobGetState(job);
            if (state == IPP_JSTATE_PENDING ||
                (state == IPP_JSTATE_HELD && !HeldByUser(papplJobGetPrinter(job), job)))
                static_cast<std::vector<WaitingJob>*>(data)->push_back(
                    {job, papplJobGetID(job), state, papplJobGetFilename(job) != nullptr});
        },
        &jobs, 1, 0);
    std::sort(jobs.begin(), jobs.end(), [](const WaitingJob& a, const WaitingJob& b) { return a.id < b.id; });
    return jobs;
}

void LetGo(pappl_printer_t* printer, const std::vector<WaitingJob>& waiting)
{
    for (auto later = waiting.begin() + 1; later != waiting.end(); ++later)
        if (later->state == IPP_JSTATE_PENDING &&
            papplJobHold(later->job, "qx-sendora-printer-app", "indefinite", 0))
            g_held.insert({printer, later->id});
    const WaitingJob& oldest = waiting.front();
    if (oldest.state == IPP_JSTATE_HELD && oldest.complete) {
        g_held.erase({printer, oldest.id});
        papplJobRelease(oldest.job, nullptr);
    }
}

// With no job waiting the queue takes jobs freely again: PAPPL 1.3.1 refuses
// a raster job outright while it holds new jobs. Two jobs that both arrive
// before PAPPL starts the next may then still start newest first.
void LetNextGo(pappl_printer_t* printer)
{
    const std::vector<WaitingJob> waiting = WaitingJobs(printer);
    if (!waiting.empty())
        LetGo(printer, waiting);
    else if (g_closed.erase(printer))
        papplPrinterReleaseHeldNewJobs(printer, nullptr);
}

void LetIdleQueueGo(pappl_printer_t* printer, void*)
{
    if (papplPrinterGetState(printer) != IPP_PSTATE_IDLE)
        return;
    const std::lock_guard lock(g_lock);
    LetNextGo(printer);
}

bool Tick(pappl_system_t* system, void*)
{
    papplSystemIteratePrinters(system, LetIdleQueueGo, nullptr);
    return true;
}
}

void JobOrder::Close(pappl_printer_t* printer)
{
    const std::lock_guard lock(g_lock);
    if (g_closed.insert(printer).second)
        papplPrinterHoldNewJobs(printer);
}

void JobOrder::LetOldestGo(pappl_printer_t* printer)
{
    const std::lock_guard lock(g_lock);
    LetNextGo(printer);
}

void JobOrder::Watch(pappl_system_t* system)
{
    papplSystemAddTimerCallback(system, 0, 1, Tick, nullptr);
}
