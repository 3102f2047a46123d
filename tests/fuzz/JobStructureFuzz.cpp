#include "CJobStructure.h"
#include "PropertyBroken.h"

#include <cstdio>
#include <sstream>

// Any bytes read as a job give a complete job or a damaged one with its
// reason, never a fault; a complete job's entries account for its bytes.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::FILE* file = fmemopen(const_cast<std::uint8_t*>(data), size, "rb");
    if (!file)
        return 0;
    const auto reading = CJobStructure::Read(file);
    std::fclose(file);
    std::ostringstream printed;
    CJobStructure::Print(reading.job, printed);

    std::uint64_t dataBytes = 0;
    for (const auto& entry : reading.job.entries)
        dataBytes += entry.dataSize;
    const bool complete = reading.outcome == CJobStructure::EOutcome::Complete;
    const bool damaged = reading.outcome == CJobStructure::EOutcome::Damaged;
    if (!(complete && reading.reason.empty() && dataBytes <= size) && !(damaged && !reading.reason.empty()))
        PropertyBroken("outcome " + std::to_string(static_cast<int>(reading.outcome)) + ", reason " + reading.reason);
    return 0;
}
