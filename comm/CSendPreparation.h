#pragma once

#include <string>

class CPrintJob;

// What the user chose for a send: in the main window's controls, or on the
// command line.
struct CSendChoices {
    std::string printerName;
    int printerNumber = 0;
    std::string ownerName;
    bool collate = false;
    bool reverseOrder = false;
    // A setting name as listed (the printer defaults' name for "default.org").
    std::string setting;
};

// The checks before a send, and the copy of the choices into the job.
// Each check that fails shows its message and stops the send.
class CSendPreparation {
public:
    // A print-list send: every entry, then printer, number, owner, copies
    // handling and the setting file. False (no message) for an empty list.
    static bool PrepareSend(CPrintJob& job, const CSendChoices& choices, int psPdfOption);
    // A setup send: printer, number, owner and a setting other than the
    // printer's defaults.
    static bool PrepareSetup(CPrintJob& setupJob, const CSendChoices& choices);
    // Every entry's file can be opened, in list order; the first that
    // cannot is named with the system's reason.
    static bool CheckFiles(const CPrintJob& job);
    // Copies 1 to 99 and a known format for every entry, in list order.
    static bool CheckEntries(const CPrintJob& job, int psPdfOption);
    // Resolves the setting into the job; the cannot-load message when it cannot.
    static bool TakeSetting(CPrintJob& job, const std::string& setting);

private:
    static bool TakeAddressAndOwner(CPrintJob& job, const CSendChoices& choices);
};
