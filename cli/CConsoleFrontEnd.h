#pragma once

#include "ISendFrontEnd.h"

// A send from the terminal: the printer dialogue runs in the foreground,
// and the build shows a progress line that Ctrl-C cancels.
class CConsoleFrontEnd : public ISendFrontEnd {
public:
    CPrinterQuery::Outcome AskPrinter(const std::string& printerName, const std::string& user,
                                      const std::string& password) override;
    bool IsStillWanted() override { return true; }
    std::unique_ptr<IProgressMonitor> OpenBuildMonitor() override;
};
