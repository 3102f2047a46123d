#pragma once

#include <string>

// What the command line adds when a setting cannot be loaded: the setting
// names the build tree's program folder offers, in the order the settings
// command lists them.
std::string SettingsOnOffer();
