#pragma once

#include "PlotFormat.h"

#include <cstddef>
#include <string>

// Tells a plot file's data format from its first bytes, for files whose name
// does not say it. Sees through what printer drivers put before the data:
// NUL padding, the PJL universal exit and PJL lines, a PostScript Ctrl-D and
// PCL resets, up to the HP-GL/2 mode switch.
class CContentRecogniser {
public:
    // How far a run of leading NUL bytes is followed, and how many bytes after
    // it are read to decide.
    static constexpr std::size_t kMaxNulRun = 1 << 20;
    static constexpr std::size_t kHeadSize = 8192;

    // Pdf, PostScript, Tiff, Cals, Hpgl or Unknown for the head of a file.
    static PlotFormat Recognise(const unsigned char* data, std::size_t size);
    // The same for a file; Unknown for one that cannot be read or is not a
    // regular file (a FIFO or device is refused without waiting on it).
    static PlotFormat RecogniseFile(const std::string& path);
    // The format a name from the extension list stands for, else the one
    // the file's content shows.
    static PlotFormat NamedOrRecognised(const std::string& formatName, const std::string& path);
};
