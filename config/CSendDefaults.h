#pragma once

#include <string>

class CUserConfig;

// What a send starts with when the user names nothing: the printer number
// and owner that the main window would preselect from the user's lists and
// remembered values. The printer must always be named, and the setting file
// is never taken from the remembered values.
struct CSendDefaults {
    int printerNumber = 0;
    std::string ownerName;

    static CSendDefaults Load(const CUserConfig& config);
    // From the user configuration beside the program.
    static CSendDefaults Load();
};
