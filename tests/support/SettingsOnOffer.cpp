#include "SettingsOnOffer.h"

#include "CResourceModule.h"

std::string SettingsOnOffer()
{
    return "setting files on offer:\n  " + CResourceModule::LoadString(145) + "\n  sample\n";
}
