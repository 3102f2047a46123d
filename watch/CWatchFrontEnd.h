#pragma once

#include "ISendFrontEnd.h"
#include "IProgressMonitor.h"

// A send of the hot folder: nobody watches the progress, a stop signal
// cancels, and whether the printer answered at all decides between trying
// again later and giving up on the file.
class CWatchFrontEnd : public ISendFrontEnd, public IProgressMonitor {
public:
    CPrinterQuery::Outcome AskPrinter(const std::string& printerName, const std::string& user,
                                      const std::string& password) override;
    bool IsStillWanted() override;
    std::unique_ptr<IProgressMonitor> OpenBuildMonitor() override;
    bool PrinterAnswered() const { return m_answered; }

    void Begin(std::uint64_t) override {}
    bool IsCancelled() override;
    void Advance(std::uint64_t) override {}
    void End() override {}

private:
    bool m_answered = false;
};
