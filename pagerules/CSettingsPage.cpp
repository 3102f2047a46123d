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
    for (const SettingKey& key : KeysToCopy(current))
        target.WriteString(key.section, key.key, current.GetString(key.section, key.key, kMissingValue));
}

std::vector<SettingKey> CSettingsPage::KeysToCopy(const CProfile&) const
{
    return OwnedKeys();
}

SettingEdit CSettingsPage::Edit(const SettingKey&, const std::string&)
{
    return {SettingEdit::Status::UnknownKey, {}};
}
