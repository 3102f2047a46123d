#pragma once

#include "CSettingsPage.h"

// The rules of the stamp page: whether a stamp is printed and which, its
// colour, date and numbering, and its position on each of fifteen paper
// sizes, in section "Stamp".
class CStampSettings : public CSettingsPage {
public:
    static constexpr int kPositionCount = 15;

    std::vector<SettingKey> OwnedKeys() const override;

protected:
    void Read(const CProfile& current) override;
    void Write(CProfileBatch& target) const override;
};
