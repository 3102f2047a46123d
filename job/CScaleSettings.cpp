#include "CScaleSettings.h"

std::vector<SettingKey> CScaleSettings::OwnedKeys() const
{
    std::vector<SettingKey> keys{{"Input/Output Mode", "InputMode"}, {"Input/Output Mode", "OutputMode"}};
    for (int row = 1; row <= kRowCount; ++row) {
        keys.push_back({"OutputSize", "Output" + std::to_string(row) + "Size"});
        keys.push_back({"PaperSize", "Paper" + std::to_string(row) + "Size"});
    }
    for (const char* group : {"InputPaperGroup", "OutputPaperGroup", "RollPaperGroup"})
        keys.push_back({"PaperGroup", group});
    return keys;
}

// The page is never shown yet, so it only copies its keys through.
void CScaleSettings::Read(const CProfile&) {}

void CScaleSettings::Write(CProfileBatch&) const {}
