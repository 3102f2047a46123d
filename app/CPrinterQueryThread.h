#pragma once

#include "CPrinterQuery.h"

#include <string>

class CCancellation;

// The printer dialogue without freezing the windows: it runs on a thread of
// its own while the calling thread goes on handling its events (painting,
// Cancel; the caller keeps its other controls disabled meanwhile).
class CPrinterQueryThread {
public:
    static CPrinterQuery::Outcome Ask(const std::string& printerName, const std::string& user,
                                      const std::string& password, const CCancellation& cancellation);
};
