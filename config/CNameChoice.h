#pragma once

#include <string>
#include <vector>

class CUserConfig;

// The entries of the main window's owner or printer box and the one it
// selects.
struct CNameChoice {
    std::vector<std::string> names;
    int selected = -1;  // -1: nothing to select

    // The selected name; empty when nothing is selected.
    std::string SelectedName() const;

    // The logon name is always offered; the remembered owner counts only
    // while the logon name itself is a registered owner.
    static CNameChoice ForOwners(std::vector<std::string> ownerNames, const std::string& logonName,
                                 const std::string& rememberedOwner);
    // The remembered printer when listed, else the first.
    static CNameChoice ForPrinters(std::vector<std::string> printerNames, const std::string& rememberedPrinter);

    // The same from the user configuration, the logon name and the
    // registry values "OwnerName" and "PrinterName".
    static CNameChoice LoadOwnerNames(const CUserConfig& config);
    static CNameChoice LoadPrinterNames(const CUserConfig& config);
};
