#pragma once

#include "ICommand.h"

// Asks a printer for its controller family and PostScript/PDF option, as a
// print-list send does before it builds the job.
class CStatusCommand : public ICommand {
public:
    std::string Name() const override;
    std::string Usage() const override;
    int Run(const std::vector<std::string>& args) override;
};
