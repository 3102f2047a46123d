#pragma once

#include <functional>
#include <optional>
#include <string>

// What a printer's answer to the status request tells: its controller
// family and whether it takes PostScript and PDF.
class CStatusReply {
public:
    struct Classification {
        std::string controllerName;
        int psPdfOption = 0;
        // The identification text of the model the reply names; empty when
        // it names none this program knows.
        std::string model;
    };

    // Nothing when the reply is no usable status: no "211 Concluded", or a
    // "Corvid2nd" model without its software version. Only the text before
    // the first NUL counts. minimumVersionDigit is asked only for
    // "Corvid2nd" models.
    static std::optional<Classification> Classify(const std::string& reply,
                                                  const std::function<int()>& minimumVersionDigit);
};
