#include "CPrinterAppFrontEnd.h"

CPrinterAppFrontEnd::CPrinterAppFrontEnd(std::function<bool()> cancelled)
    : m_cancelled(std::move(cancelled))
{
}

std::optional<CPrinterQuery::Answer> CPrinterAppFrontEnd::AskPrinter(const std::string& printerName,
                                                                     const std::string& user,
                                                                     const std::string& password)
{
    auto answer = CPrinterQuery::Ask(printerName, user, password);
    m_answered = answer.has_value();
    return answer;
}

std::unique_ptr<IProgressMonitor> CPrinterAppFrontEnd::OpenBuildMonitor()
{
    return std::make_unique<CPrinterAppFrontEnd>(m_cancelled);
}
