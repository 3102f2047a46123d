#pragma once

#include <optional>
#include <string>

class CPrintJob;

// Where a job file goes on the printer: the input folder of the printer
// number and a name taken from the first entry.
class CRemoteName {
public:
    // "plt" and the number as two digits, then "p": "plt07p".
    static std::string Folder(int printerNumber);
    // The first entry's file name and ".pjl", or "SetupPrint.pjl" for a
    // job without entries. Nothing (after a message) when the name holds a
    // "/" or a control character, which the printer's file system cannot take.
    static std::optional<std::string> FileName(const CPrintJob& job);
};
