#pragma once

#include "CRegistNamePage.h"

// The printer names of the user configuration.
class CRegistPrinterName : public CRegistNamePage {
    Q_OBJECT

public:
    explicit CRegistPrinterName(const CUserConfig& config, QWidget* parent = nullptr);
};
