#include "CFinisherSettings.h"

#include <map>

CFinisherSettings::CFinisherSettings(std::string regionCode)
    : m_regionCode(std::move(regionCode))
{
}

std::vector<SettingKey> CFinisherSettings::OwnedKeys() const
{
    using Keys = std::vector<std::string>;
    static const Keys kFolderBalerKeys{"Folder",           "FolderRotate", "FolderSize", "FolderMargin",
                                       "FolderCornerFold", "Stacker",      "Baler"};
    static const std::map<std::string, Keys> kKeysByRegion{
        {"JP", {"Folder", "FolderRotate", "FolderSize", "FolderMargin", "FolderCornerFold", "Stacker", "StackBin",
                "Baler"}},
        {"AP", kFolderBalerKeys},
        {"CL", kFolderBalerKeys},
        {"ZC", {"FolderProgramRange", "FolderMargin", "FolderOutputBin", "FolderBinNoRange"}}};
    std::vector<SettingKey> keys;
    if (const auto found = kKeysByRegion.find(m_regionCode); found != kKeysByRegion.end())
        for (const std::string& key : found->second)
            keys.push_back({"Finisher", key});
    return keys;
}

// The page is never shown yet, so it only copies its keys through.
void CFinisherSettings::Read(const CProfile&) {}

void CFinisherSettings::Write(CProfileBatch&) const {}
