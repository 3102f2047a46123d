#pragma once

#include <string>

// Whether a plot file can be opened at all, checked before a reader that
// cannot tell a missing file from a damaged one (Poppler) gets it.
class CReadableFile {
public:
    // Empty when the file can be read, else "cannot read: no such file or
    // directory", "cannot read: permission denied", ...
    static std::string WhyNot(const std::string& path);
    // A reader's reason ("damaged HP-GL file: ...") as a user is told it:
    // what could not be done first.
    static std::string CannotRead(const std::string& reason);
};
