#include "StatusPoller.h"

#include "CPrinterIdentity.h"
#include "CPrinterStatusCache.h"

#include <vector>

namespace {
void AddUri(pappl_printer_t* printer, void* uris)
{
    static_cast<std::vector<std::string>*>(uris)->push_back(papplPrinterGetDeviceURI(printer));
}

// A server killed while it sent comes back with its waiting jobs, but PAPPL
// 1.3.1 starts a queue's next job only when one ends or arrives: once the
// server runs, every queue that is not paused looks for work.
void StartWaitingJobs(pappl_printer_t* printer, void*)
{
    if (papplPrinterGetState(printer) != IPP_PSTATE_STOPPED)
        papplPrinterResume(printer);
}

// PAPPL runs timers on the thread that accepts connections, and in 1.3.1
// that thread notices a shutdown only when its wait for the next timer ends:
// so the timer ticks every second and polls every kIntervalSeconds.
bool Tick(pappl_system_t* system, void*)
{
    static int seconds = 0;
    if (seconds == 0)
        papplSystemIteratePrinters(system, StartWaitingJobs, nullptr);
    if (seconds++ % StatusPoller::kIntervalSeconds != 0)
        return true;
    std::vector<std::string> uris;
    papplSystemIteratePrinters(system, AddUri, &uris);
    CPrinterStatusCache::Instance().Poll(uris);
    return true;
}

void Show(pappl_printer_t* printer, const CPrinterStatusCache::State& state)
{
    if (state.answering)
        papplPrinterSetReasons(printer, PAPPL_PREASON_NONE, PAPPL_PREASON_OFFLINE);
    else
        papplPrinterSetReasons(printer, PAPPL_PREASON_OFFLINE, PAPPL_PREASON_NONE);
}
}

void StatusPoller::Start(pappl_system_t* system)
{
    papplSystemAddTimerCallback(system, 0, 1, Tick, nullptr);
}

bool StatusPoller::Report(pappl_printer_t* printer)
{
    Show(printer, CPrinterStatusCache::Instance().Get(papplPrinterGetDeviceURI(printer)));
    return true;
}

void StatusPoller::Note(pappl_printer_t* printer, bool answering, const std::string& message)
{
    CPrinterStatusCache::Instance().Note(papplPrinterGetDeviceURI(printer), answering, message);
    Report(printer);
}

std::string StatusPoller::MakeAndModel(const char* deviceUri, const char* deviceId)
{
    const auto state = CPrinterStatusCache::Instance().Get(deviceUri ? deviceUri : "");
    if (!state.answer) {
        const std::string kept = CPrinterIdentity::ModelOf(deviceId ? deviceId : "");
        return CPrinterIdentity::MakeAndModel(kept.empty() ? "wide-format printer" : kept);
    }
    return CPrinterIdentity::MakeAndModel(state.answer->model.empty() ? state.answer->controllerName
                                                                      : state.answer->model);
}
