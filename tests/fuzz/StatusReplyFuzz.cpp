#include "CPrinterModels.h"
#include "CStatusReply.h"
#include "PropertyBroken.h"

#include <fuzzer/FuzzedDataProvider.h>

// Any reply and any minimum version digit classify without fault, into one
// of the three controller families; a minimum above 79 (past every
// character) lets no "Corvid2nd" through.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider input(data, size);
    const int digit = input.ConsumeIntegral<int>();
    const std::string reply = input.ConsumeRemainingBytesAsString();

    const auto status = CStatusReply::Classify(reply, [digit] { return digit; });
    if (!status)
        return 0;
    const std::string& name = status->controllerName;
    const bool known = name == CPrinterModels::kHeron || name == CPrinterModels::kCorvid2nd ||
                       name == CPrinterModels::kOthers;
    if (!known || (name == CPrinterModels::kCorvid2nd && digit > 127 - '0') || status->psPdfOption > 1 ||
        status->psPdfOption < 0)
        PropertyBroken(name + " with minimum " + std::to_string(digit));
    return 0;
}
