#include "CStampSettings.h"

std::vector<SettingKey> CStampSettings::OwnedKeys() const
{
    std::vector<SettingKey> keys;
    for (const char* key : {"StampID", "StampColor", "StampDate", "StampNumbering", "StampNumberingString"})
        keys.push_back({"Stamp", key});
    for (int position = 1; position <= kPositionCount; ++position)
        keys.push_back({"Stamp", "StampPositionXYRotate" + std::to_string(position)});
    return keys;
}

// The page is never shown yet, so it only copies its keys through.
void CStampSettings::Read(const CProfile&) {}

void CStampSettings::Write(CProfileBatch&) const {}
