#pragma once

#include "ICommand.h"

// Lists the names of the printer setting files, as the main window offers them.
class CSettingsCommand : public ICommand {
public:
    std::string Name() const override { return "settings"; }
    std::string Usage() const override;
    int Run(const std::vector<std::string>& args) override;
};
