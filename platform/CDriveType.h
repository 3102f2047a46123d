#pragma once

#include "IFileSystemQuery.h"

#include <string>

// The kind of drive a file lies on, and whether a file added to the print
// list is sent from a private copy.
class CDriveType {
public:
    enum class Kind { Undetermined, Removable, Fixed, Remote, Optical, RamDisk };

    static Kind Classify(const std::string& path, const IFileSystemQuery& query);
    // Only files on a local fixed disk or a RAM disk are sent in place: any
    // other file may vanish or change before the job is built.
    static bool NeedsCopy(Kind kind);
    static bool NeedsCopy(const std::string& path, const IFileSystemQuery& query);
    static const IFileSystemQuery& SystemQuery();
};
