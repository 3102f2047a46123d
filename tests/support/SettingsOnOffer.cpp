#include "SettingsOnOffer.h"

#include "CResourceModule.h"
#include "ResourceIds.h"

std::string SettingsOnOffer()
{
    return "setting files on offer:\n  " + CResourceModule::LoadString(ResId::kPrinterDefaultsName) + "\n  sample\n";
}
