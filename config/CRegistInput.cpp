#include "CRegistInput.h"

#include "ResourceIds.h"

const CRegistInput::Use CRegistInput::kExtension{kExtensionMode, ResId::kExtensionInputTitle, ResId::kExtensionPrompt,
                                                 ResId::kDuplicateExtensionMessage};
const CRegistInput::Use CRegistInput::kOwner{kOwnerMode, ResId::kOwnerInputTitle, ResId::kOwnerPrompt,
                                             ResId::kDuplicateOwnerMessage};
const CRegistInput::Use CRegistInput::kPrinter{kPrinterMode, ResId::kPrinterInputTitle, ResId::kPrinterPrompt,
                                               ResId::kDuplicatePrinterMessage};

unsigned CRegistInput::RefusalMessage(int mode, const std::string& text)
{
    switch (mode) {
    case kExtensionMode:
        return text.find_first_of(".[];=") == std::string::npos ? 0 : ResId::kBadExtensionMessage;
    case kOwnerMode:
        return text.find_first_of("[];=\"") == std::string::npos ? 0 : ResId::kBadNameMessage;
    default:
        return text.find_first_of("[];=") == std::string::npos ? 0 : ResId::kBadNameMessage;
    }
}

std::optional<char> CRegistInput::IgnoredWhileTyping(int mode)
{
    if (mode == kExtensionMode)
        return '.';
    return std::nullopt;
}
