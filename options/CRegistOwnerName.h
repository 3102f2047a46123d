#pragma once

#include "CRegistNamePage.h"

// The owner names of the user configuration.
class CRegistOwnerName : public CRegistNamePage {
    Q_OBJECT

public:
    explicit CRegistOwnerName(const CUserConfig& config, QWidget* parent = nullptr);
};
