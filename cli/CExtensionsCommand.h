#pragma once

#include "CListCommand.h"

class CFormatTable;

// The file extensions of each data format. FORMAT is compared without
// regard to case; one that is not listed is refused, naming those that are.
class CExtensionsCommand : public CListCommand {
public:
    std::string Name() const override { return "extensions"; }

protected:
    std::string PartName() const override { return "FORMAT"; }
    std::string EntryName() const override { return "EXT"; }
    int List(const std::vector<std::string>& parts) override;
    std::optional<Opened> Open(const std::string& part) override;

private:
    // The index of the format; nothing after the message naming the formats.
    std::optional<std::size_t> FindFormat(const CFormatTable& table, const std::string& format) const;
};
