#pragma once

#include <string>
#include <vector>

// Tells the user how a failed upload ended: a refused log-in and a refused
// connection get their own messages, anything else the error text itself.
class CTransferReport {
public:
    static void ReportFailure(const std::string& errorText);
    // The messages ReportFailure shows, in order: string identifiers, 0
    // for the error text itself.
    static std::vector<unsigned> FailureMessages(const std::string& errorText);
    // Their texts, one a line, as the send history keeps them.
    static std::string FailureText(const std::string& errorText);
    // True when one line of the error text contains the search text.
    static bool ErrorTextContains(const std::string& errorText, const std::string& search);
};
