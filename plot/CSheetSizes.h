#pragma once

#include <span>

// A standard sheet, short side first.
struct SheetSize {
    const char* name;
    double shortMm;
    double longMm;
};

// The ISO A, ARCH and ANSI sheet sizes.
class CSheetSizes {
public:
    static std::span<const SheetSize> All();
    // The sheet both of whose sides are within 1% of the given ones, in
    // either orientation (the closest where two are), else nullptr.
    static const SheetSize* Match(double widthMm, double heightMm);
};
