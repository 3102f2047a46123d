#pragma once

#include "CPrinterQuery.h"

#include <memory>
#include <string>

class IProgressMonitor;

// What a front end brings to a send: how the printer dialogue runs (the
// window keeps painting meanwhile), whether the user still wants the send
// once the printer has answered, and how the build of the job file is
// watched. Messages reach the user through the message service.
class ISendFrontEnd {
public:
    virtual ~ISendFrontEnd() = default;
    virtual CPrinterQuery::Outcome AskPrinter(const std::string& printerName, const std::string& user,
                                              const std::string& password) = 0;
    // False when the user has asked to quit during the dialogue.
    virtual bool IsStillWanted() = 0;
    virtual std::unique_ptr<IProgressMonitor> OpenBuildMonitor() = 0;
};
