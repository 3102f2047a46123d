#pragma once

#include <string>

// The kinds of plot data whose size or picture the program can read.
enum class PlotFormat { Hpgl, Tiff, Cals, PostScript, Pdf, Cgm, Mgl, MvNative, Unknown };

// The kind of a data format named as in the extension configuration
// ("HPGL", "HP-GL/2", "TIFF", "CALS", "POSTSCRIPT", "PS", "PDF", "CGM",
// "MGL(0.025 mm/unit)", "MVNATIVE"), compared without regard to case.
PlotFormat PlotFormatOf(const std::string& formatName);
