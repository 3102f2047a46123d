#pragma once

#include "CSettingsPage.h"

// The rules of the scale page: the three paper groups, the input and output
// mode, and the output and paper size of each of fifteen rows.
class CScaleSettings : public CSettingsPage {
public:
    static constexpr int kRowCount = 15;

    std::vector<SettingKey> OwnedKeys() const override;

protected:
    void Read(const CProfile& current) override;
    void Write(CProfileBatch& target) const override;
};
