#include "CSheetSizes.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr double kInch = 25.4;
constexpr double kTolerance = 0.01;

constexpr SheetSize kSheets[] = {
    {"4A0", 1682, 2378},
    {"2A0", 1189, 1682},
    {"A0", 841, 1189},
    {"A1", 594, 841},
    {"A2", 420, 594},
    {"A3", 297, 420},
    {"A4", 210, 297},
    {"ARCH A", 9 * kInch, 12 * kInch},
    {"ARCH B", 12 * kInch, 18 * kInch},
    {"ARCH C", 18 * kInch, 24 * kInch},
    {"ARCH D", 24 * kInch, 36 * kInch},
    {"ARCH E", 36 * kInch, 48 * kInch},
    {"ARCH E1", 30 * kInch, 42 * kInch},
    {"ANSI A", 8.5 * kInch, 11 * kInch},
    {"ANSI B", 11 * kInch, 17 * kInch},
    {"ANSI C", 17 * kInch, 22 * kInch},
    {"ANSI D", 22 * kInch, 34 * kInch},
    {"ANSI E", 34 * kInch, 44 * kInch},
};

// The larger relative difference of the two sides.
double Mismatch(const SheetSize& sheet, double shortSide, double longSide)
{
    return std::max(std::abs(shortSide - sheet.shortMm) / sheet.shortMm,
                    std::abs(longSide - sheet.longMm) / sheet.longMm);
}
}

std::span<const SheetSize> CSheetSizes::All()
{
    return kSheets;
}

const SheetSize* CSheetSizes::Match(double widthMm, double heightMm)
{
    const double shortSide = std::min(widthMm, heightMm);
    const double longSide = std::max(widthMm, heightMm);
    const SheetSize* best = nullptr;
    double bestMismatch = kTolerance;
    for (const SheetSize& sheet : kSheets) {
        const double mismatch = Mismatch(sheet, shortSide, longSide);
        if (mismatch <= bestMismatch) {
            best = &sheet;
            bestMismatch = mismatch;
        }
    }
    return best;
}
