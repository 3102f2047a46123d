#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

// The printer models this program recognises in a printer's status reply,
// and the controller family each belongs to.
class CPrinterModels {
public:
    static constexpr const char* kHeron = "Heron";
    static constexpr const char* kCorvid2nd = "Corvid2nd";
    static constexpr const char* kOthers = "Others";

    // Identification texts in table order; the order decides when a reply
    // names more than one.
    static const std::vector<std::string>& GetNames();
    // kHeron for the first two models, kCorvid2nd for the others (these
    // still need a recent enough software version), kOthers past the table.
    static std::string GetFamily(std::size_t index);
    // Index of the first model, in table order, whose text occurs anywhere
    // in the reply.
    static std::optional<std::size_t> Find(const std::string& reply);
};
