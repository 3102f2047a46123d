#include "CRegistOwnerName.h"

#include "ResourceIds.h"

CRegistOwnerName::CRegistOwnerName(const CUserConfig& config, QWidget* parent)
    : CRegistNamePage(CNameList(CNameList::Kind::Owner, config),
                      {ResId::kOwnersPageTitle, ResId::kOwnerListLabel, ResId::kOwnerAddButton,
                       ResId::kOwnerChangeButton, ResId::kOwnerDeleteButton},
                      parent)
{
}
