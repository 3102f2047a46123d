#pragma once

#include "ICommand.h"

class CFormatTable;

// Lists the data formats with their extensions, or tells the data format
// that each named file would get in the print list.
class CFormatsCommand : public ICommand {
public:
    std::string Name() const override { return "formats"; }
    std::string Usage() const override;
    int Run(const std::vector<std::string>& args) override;

    // One line of the list: the format, a tab, its extensions.
    static void PrintFormat(const CFormatTable& table, std::size_t format);
    // The format names, for a message naming those on offer.
    static std::string FormatNames(const CFormatTable& table);
};
