#pragma once

#include <pappl/pappl.h>

// Our own system for papplMainloop: the server options we read ourselves,
// the state and spool under our state folder, the filters and the MIME
// typing before any printer is created or loaded, and the status timer.
struct SystemCallback {
    static pappl_system_t* Create(int optionCount, cups_option_t* options, void* context);
};
