#pragma once

#include <pappl/pappl.h>

#include <memory>

class CSettingKeywords;

// The two drivers, qx-sendora-pdf for printers with the PS/PDF option and
// qx-sendora for the others, and the choice between them for add -m auto.
struct DriverCallbacks {
    static constexpr int kDriverCount = 2;
    static pappl_pr_driver_t* Drivers();
    static bool Fill(pappl_system_t* system, const char* driverName, const char* deviceUri, const char* deviceId,
                     pappl_pr_driver_data_t* data, ipp_t** attributes, void* context);
    static const char* AutoAdd(const char* deviceInfo, const char* deviceUri, const char* deviceId, void* context);
    // Each queue made or loaded: PAPPL 1.3.1's raw socket waits forever on
    // a queue whose limit of active jobs is left at 0.
    static void Created(pappl_printer_t* printer, void* context);
    // Reads the setting list again, for printers created from now on.
    static void ReadSettingKeywords();
    // The keywords offered when the server started or a printer was last created.
    static std::shared_ptr<const CSettingKeywords> SettingKeywords();
};
