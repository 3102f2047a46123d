#include "CWatchFrontEnd.h"

#include "CStopSignal.h"

std::optional<CPrinterQuery::Answer> CWatchFrontEnd::AskPrinter(const std::string& printerName,
                                                                const std::string& user, const std::string& password)
{
    auto answer = CPrinterQuery::Ask(printerName, user, password);
    m_answered = answer.has_value();
    return answer;
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
