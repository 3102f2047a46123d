#pragma once

#include "CHeldTempFile.h"

#include <string>

// A finished job file in the temporary folder. It goes when its owner goes,
// and with the process however that ends, so a send that stops anywhere
// leaves nothing behind; moving it hands it on.
class CSendFile {
public:
    CSendFile() = default;
    explicit CSendFile(CHeldTempFile file);

    // Opens the file while it is held; empty when there is no file.
    const std::string& GetPath() const { return m_file.GetPath(); }
    // Gives the file the name "to" on the same file system, for good;
    // false with errno, the file still held.
    bool MoveTo(const std::string& to) { return m_file.MoveTo(to); }

private:
    CHeldTempFile m_file;
};
