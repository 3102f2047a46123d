#pragma once

#include "ISendFrontEnd.h"
#include "IProgressMonitor.h"

#include <functional>

// A queued job's send: nobody watches, a Cancel-Job of the client stops
// the build and the upload, and whether the printer answered at all
// decides between waiting for it and giving the job up.
class CPrinterAppFrontEnd : public ISendFrontEnd, public IProgressMonitor {
public:
    explicit CPrinterAppFrontEnd(std::function<bool()> cancelled);

    CPrinterQuery::Outcome AskPrinter(const std::string& printerName, const std::string& user,
                                      const std::string& password) override;
    bool IsStillWanted() override { return !m_cancelled(); }
    std::unique_ptr<IProgressMonitor> OpenBuildMonitor() override;
    bool PrinterAnswered() const { return m_answered; }

    void Begin(std::uint64_t) override {}
    bool IsCancelled() override { return m_cancelled(); }
    void Advance(std::uint64_t) override {}
    void End() override {}

private:
    std::function<bool()> m_cancelled;
    bool m_answered = false;
};
