#include "CFuzzFile.h"
#include "CPlotter.h"
#include "PropertyBroken.h"

#include <fuzzer/FuzzedDataProvider.h>

// Any capability file loads for every region; every choice list hands out
// as many labels as codes.
namespace {
using Strings = CPlotter::Strings;
using ListGetter = void (CPlotter::*)(Strings&, Strings&) const;

constexpr ListGetter kLists[] = {
    &CPlotter::GetStampDateList,      &CPlotter::GetStampRotateList,     &CPlotter::GetMediaTypeList,
    &CPlotter::GetOutputTrayList,     &CPlotter::GetFolderList,          &CPlotter::GetFolderSizeList,
    &CPlotter::GetFolderMarginList,   &CPlotter::GetStackerList,         &CPlotter::GetStackBinList,
    &CPlotter::GetFolderOutputBinList, &CPlotter::GetInputPaperGroupList, &CPlotter::GetOutputPaperGroupList,
    &CPlotter::GetRollPaperGroupList, &CPlotter::GetPaperCutList,
};
constexpr const char* kRegions[] = {"ZC", "JP", "AP", "CL", "FR", "XX"};

void RequireParallel(const Strings& labels, const Strings& codes)
{
    if (labels.size() != codes.size())
        PropertyBroken(std::to_string(labels.size()) + " labels, " + std::to_string(codes.size()) + " codes");
}

void ReadEverything(const CPlotter& plotter, const std::string& groupCode)
{
    for (const auto list : kLists) {
        Strings labels, codes;
        (plotter.*list)(labels, codes);
        RequireParallel(labels, codes);
    }
    for (const auto kind : {CPlotter::SizeKind::Paper, CPlotter::SizeKind::Output}) {
        Strings labels, codes;
        if (kind == CPlotter::SizeKind::Paper)
            plotter.GetPaperSizeList(groupCode, labels, codes);
        else
            plotter.GetOutputSizeList(groupCode, labels, codes);
        RequireParallel(labels, codes);
        plotter.GetSizeLabel(kind, groupCode, codes.empty() ? "" : codes.back());
    }
    int lower = 0, upper = 0, yLower = 0, yUpper = 0;
    plotter.GetStampNoRange(lower, upper);
    plotter.GetStampPositionRanges(lower, upper, yLower, yUpper);
    plotter.GetPenWidthRange(lower, upper);
    plotter.GetFolderProgramRange(lower, upper);
    plotter.GetFolderBinNoRange(lower, upper);
    if (plotter.GetLongSizeIndex() < 0 || plotter.GetNumStampNumbering() <= 0)
        PropertyBroken("no long size or stamp numbering");
}
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static CFuzzFile file;
    FuzzedDataProvider input(data, size);
    const char* region = input.PickValueInArray(kRegions);
    const std::string groupCode = input.ConsumeRandomLengthString(16);
    file.Write(input.ConsumeRemainingBytesAsString());

    CPlotter plotter(file.Path());
    plotter.LoadConfig(region);
    ReadEverything(plotter, groupCode);
    return 0;
}
