#pragma once

#include "CFtpUpload.h"

#include <string>

// Tells the user how a failed upload ended: one sentence of what happened
// and what to do, then the detail (the printer's refusal, or the network
// library's words) on a line of its own. The send history keeps the same
// text.
class CTransferReport {
public:
    struct Message {
        unsigned id = 0;
        std::string text;
    };

    static Message Describe(const CFtpUpload& upload, const std::string& host);
    static Message Describe(CFtpUpload::Failure failure, const std::string& detail, long stallSeconds,
                            const std::string& host);
    static void Show(const Message& message);
};
