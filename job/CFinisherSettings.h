#pragma once

#include "CSettingsPage.h"

#include <string>

// The rules of the finisher page, section "Finisher": folding, stacking and
// baling, with the keys of the sales region's finisher.
class CFinisherSettings : public CSettingsPage {
public:
    explicit CFinisherSettings(std::string regionCode);

    // None for a region without a finisher page.
    std::vector<SettingKey> OwnedKeys() const override;

protected:
    void Read(const CProfile& current) override;
    void Write(CProfileBatch& target) const override;

private:
    std::string m_regionCode;
};
