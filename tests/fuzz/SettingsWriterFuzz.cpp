#include "CFuzzFile.h"
#include "CSettingsWriter.h"
#include "PropertyBroken.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <sstream>

// Any setting file gives both writers' blocks, or a failure, without fault;
// whatever they write is whole "@PJL DEFAULT NAME = VALUE" lines.
namespace {
constexpr const char* kRegions[] = {"ZC", "JP", "AP", "CL", "FR", "XX"};
constexpr const char* kControllers[] = {"Heron", "Corvid2nd", "Others", ""};

void RequireDefaultLines(const std::string& block)
{
    std::size_t at = 0;
    while (at < block.size()) {
        const std::size_t end = block.find('\n', at);
        const std::string line = block.substr(at, end == std::string::npos ? end : end - at);
        if (end == std::string::npos || line.rfind("@PJL DEFAULT ", 0) != 0 ||
            line.find(" = ") == std::string::npos || line.find('\r') != std::string::npos)
            PropertyBroken("line \"" + line + "\"");
        at = end + 1;
    }
}
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static CFuzzFile file;
    FuzzedDataProvider input(data, size);
    const char* region = input.PickValueInArray(kRegions);
    const char* controller = input.PickValueInArray(kControllers);
    file.Write(input.ConsumeRemainingBytesAsString());

    std::ostringstream block;
    CSettingsWriter::WriteForController(block, file.Path(), region, controller);
    RequireDefaultLines(block.str());
    return 0;
}
