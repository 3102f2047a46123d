#pragma once

#include <string>

// Small plot files made in code, for the size and preview tests.

// HP-GL/2: a frame of 4000 x 2000 plotter units (100 x 50 mm) from the
// origin with its diagonal, pen 1.
extern const char* const kSampleHpgl;

// A PDF of pages of the size given in points, each drawing the content
// stream given (e.g. "0 0 100 100 re f").
std::string SamplePdf(int widthPoints, int heightPoints, int pages = 1, const std::string& content = {});

// A number as HP-GL/2's PE sends it: the sign in the lowest bit, then
// base 64 (or, for 7-bit channels, 32) digits lowest first, the last one
// from the terminating range.
std::string PeNumber(long value, int base = 64);
