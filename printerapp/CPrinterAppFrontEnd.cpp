#include "CPrinterAppFrontEnd.h"

CPrinterAppFrontEnd::CPrinterAppFrontEnd(std::function<bool()> cancelled)
    : m_cancelled(std::move(cancelled))
{
}

CPrinterQuery::Outcome CPrinterAppFrontEnd::AskPrinter(const std::string& printerName, const std::string& user,
                                                       const std::string& password)
{
    auto outcome = CPrinterQuery::Run(printerName, user, password);
    m_answered = outcome.answer.has_value();
    return outcome;
}

std::unique_ptr<IProgressMonitor> CPrinterAppFrontEnd::OpenBuildMonitor()
{
    return std::make_unique<CPrinterAppFrontEnd>(m_cancelled);
}
