#pragma once

#include "CPrinterQuery.h"

#include <optional>
#include <string>

// The printer dialogue without freezing the windows: it runs on a thread of
// its own while the calling thread goes on handling its events (painting;
// the caller keeps its controls disabled meanwhile).
class CPrinterQueryThread {
public:
    static std::optional<CPrinterQuery::Answer> Ask(const std::string& printerName, const std::string& user,
                                                    const std::string& password);
};
