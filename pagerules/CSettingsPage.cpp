#include "CSettingsPage.h"

#include "CProfile.h"
#include "CProfileBatch.h"

void CSettingsPage::Load(const CProfile& current)
{
    m_loaded = true;
    Read(current);
}

void CSettingsPage::Save(CProfileBatch& target, const std::string& currentPath) const
{
    if (m_loaded) {
        Write(target);
        return;
    }
    if (target.GetPath() == currentPath)
        return;
    CProfile current;
    current.Open(currentPath);
    for (const SettingKey& owned : OwnedKeys())
        target.WriteString(owned.section, owned.key, current.GetString(owned.section, owned.key, kMissingValue));
}

SettingEdit CSettingsPage::Edit(const SettingKey&, const std::string&)
{
    return {SettingEdit::Status::UnknownKey, {}};
}
