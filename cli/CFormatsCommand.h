#pragma once

#include "ICommand.h"

// Lists the data formats with their extensions, or tells the data format
// that each named file would get in the print list.
class CFormatsCommand : public ICommand {
public:
    std::string Name() const override { return "formats"; }
    std::string Usage() const override;
    int Run(const std::vector<std::string>& args) override;
};
