#include "CConsoleFrontEnd.h"

#include "CConsoleMonitor.h"

CPrinterQuery::Outcome CConsoleFrontEnd::AskPrinter(const std::string& printerName, const std::string& user,
                                                    const std::string& password)
{
    return CPrinterQuery::Run(printerName, user, password);
}

std::unique_ptr<IProgressMonitor> CConsoleFrontEnd::OpenBuildMonitor()
{
    return std::make_unique<CConsoleMonitor>("Building");
}
