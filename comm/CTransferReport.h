#pragma once

#include <string>

// Tells the user how a failed upload ended: a refused log-in and a refused
// connection get their own messages, anything else the error text itself.
class CTransferReport {
public:
    static void ReportFailure(const std::string& errorText);
    // True when one line of the error text contains the search text.
    static bool ErrorTextContains(const std::string& errorText, const std::string& search);
};
