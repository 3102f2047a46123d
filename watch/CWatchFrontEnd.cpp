#include "CWatchFrontEnd.h"

#include "CStopSignal.h"

CPrinterQuery::Outcome CWatchFrontEnd::AskPrinter(const std::string& printerName, const std::string& user,
                                                  const std::string& password)
{
    auto outcome = CPrinterQuery::Run(printerName, user, password);
    m_answered = outcome.answer.has_value();
    return outcome;
}

bool CWatchFrontEnd::IsStillWanted()
{
    return !CStopSignal::IsRaised();
}

// The same stop signal cancels the build.
std::unique_ptr<IProgressMonitor> CWatchFrontEnd::OpenBuildMonitor()
{
    return std::make_unique<CWatchFrontEnd>();
}

bool CWatchFrontEnd::IsCancelled()
{
    return CStopSignal::IsRaised();
}
