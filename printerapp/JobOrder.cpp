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

struct ActiveJob {
    pappl_job_t* job;
    int id;
    ipp_jstate_t state;
    bool incoming;  // created, its document still arriving
};

// Gathered first: holding or releasing a job inside the iteration would
// wait on the lock the iteration holds.
std::vector<ActiveJob> ActiveJobs(pappl_printer_t* printer)
{
    std::vector<ActiveJob> jobs;
    papplPrinterIterateActiveJobs(
        printer,
        [](pappl_job_t* job, void* data) {
            const bool incoming = (papplJobGetReasons(job) &
                                   (PAPPL_JREASON_JOB_INCOMING | PAPPL_JREASON_JOB_DATA_INSUFFICIENT)) != 0;
            static_cast<std::vector<ActiveJob>*>(data)->push_back(
                {job, papplJobGetID(job), papplJobGetState(job), incoming});
        },
        &jobs, 1, 0);
    std::sort(jobs.begin(), jobs.end(), [](const ActiveJob& a, const ActiveJob& b) { return a.id < b.id; });
    return jobs;
}
}

void JobOrder::ReleaseHeld(pappl_printer_t* printer)
{
    const std::lock_guard lock(g_lock);
    for (const ActiveJob& active : ActiveJobs(printer))
        if (g_held.erase({printer, active.id}) && active.state == IPP_JSTATE_HELD)
            papplJobRelease(active.job, nullptr);
}

void JobOrder::HoldAllButOldest(pappl_printer_t* printer)
{
    const std::lock_guard lock(g_lock);
    bool oldest = true;
    // A job still arriving counts: it would become pending while the next
    // is chosen.
    for (const ActiveJob& active : ActiveJobs(printer)) {
        if (active.state != IPP_JSTATE_PENDING && !active.incoming)
            continue;
        if (!oldest && papplJobHold(active.job, "qx-sendora-printer-app", "indefinite", 0))
            g_held.insert({printer, active.id});
        oldest = false;
    }
}
