#pragma once

#include "ICommand.h"

class CFormatTable;
class CPlotSizeReader;

// size FILE...: one line a file, its fields separated by tabs: the file,
// its data format, "W x H mm (SHEET)" or "-" where the format has no size,
// and the page count; a file that cannot be read gets "-" for both and a
// fifth field saying why, and the command fails.
class CSizeCommand : public ICommand {
public:
    std::string Name() const override { return "size"; }
    std::string Usage() const override { return "size FILE..."; }
    int Run(const std::vector<std::string>& args) override;

private:
    // False when the file could not be read.
    static bool PrintSize(const std::string& file, const CFormatTable& table, const CPlotSizeReader& reader);
};
