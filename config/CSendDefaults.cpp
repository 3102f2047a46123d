#include "CSendDefaults.h"

#include "CNameChoice.h"
#include "CRegistryValues.h"
#include "CUserConfig.h"

CSendDefaults CSendDefaults::Load(const CUserConfig& config)
{
    CSendDefaults defaults;
    defaults.printerNumber = CRegistryValues::ReadPrinterNo();
    defaults.ownerName = CNameChoice::LoadOwnerNames(config).SelectedName();
    return defaults;
}

CSendDefaults CSendDefaults::Load()
{
    return Load(CUserConfig::Default());
}
