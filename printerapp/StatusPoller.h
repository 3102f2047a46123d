#pragma once

#include <pappl/pappl.h>

#include <string>

// The printers' state as IPP shows it: a timer starts every printer's
// status dialogue on a thread of ours every 30 seconds, and the driver's
// status callback reports only what the last dialogue learned.
struct StatusPoller {
    static constexpr int kIntervalSeconds = 30;

    static void Start(pappl_system_t* system);
    static bool Report(pappl_printer_t* printer);
    static void Note(pappl_printer_t* printer, bool answering, const std::string& message);
    static std::string MakeAndModel(const char* deviceUri, const char* deviceId);
};
