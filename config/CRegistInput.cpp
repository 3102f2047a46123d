#include "CRegistInput.h"

#include "ResourceIds.h"

namespace {
constexpr const char* kBlanks = " \t";
}

// A duplicate extension is told with the format it belongs to.
const CRegistInput::Use CRegistInput::kExtension{kExtensionMode, ResId::kExtensionInputTitle, ResId::kExtensionPrompt,
                                                 ResId::kExtensionOfFormatMessage};
const CRegistInput::Use CRegistInput::kOwner{kOwnerMode, ResId::kOwnerInputTitle, ResId::kOwnerPrompt,
                                             ResId::kDuplicateOwnerMessage};
const CRegistInput::Use CRegistInput::kPrinter{kPrinterMode, ResId::kPrinterInputTitle, ResId::kPrinterPrompt,
                                               ResId::kDuplicatePrinterMessage};

unsigned CRegistInput::RefusalMessage(int mode, const std::string& text)
{
    if (text.find_first_of(RefusedCharacters(mode)) == std::string::npos)
        return 0;
    if (mode == kExtensionMode)
        return ResId::kBadExtensionMessage;
    return mode == kOwnerMode || text.find_first_of(kBlanks) == std::string::npos ? ResId::kBadNameMessage
                                                                                   : ResId::kBlankPrinterNameMessage;
}

std::string CRegistInput::RefusedCharacters(int mode)
{
    switch (mode) {
    case kExtensionMode:
        return ".[];=";
    case kOwnerMode:
        return "[];=\"";
    default:
        return std::string("[];=") + kBlanks;
    }
}

std::string CRegistInput::Trimmed(const std::string& text)
{
    const std::size_t first = text.find_first_not_of(kBlanks);
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}
