#pragma once

#include "CSettingsPageView.h"

#include <memory>

class CPlotter;
class CStampSettings;

namespace Ui {
class CHPPJLStampPage;
}

// The stamp tab: whether a stamp is printed and which, its colour, date
// and numbering, and the grid of its position and rotation on each paper
// size, which the printer's own positions switch off.
class CHPPJLStampPage : public CSettingsPageView {
    Q_OBJECT

public:
    CHPPJLStampPage(CStampSettings& settings, const CPlotter& plotter, QWidget* parent = nullptr);
    ~CHPPJLStampPage() override;

    void ShowSettings() override;

private:
    void SetUpControls();
    void SetUpGrid();
    void ConnectControls();
    void OnStampNumberLeft();
    void OnNumberingTextLeft();
    void OnLocalClicked(bool on);
    void ShowPositions();

    std::unique_ptr<Ui::CHPPJLStampPage> m_ui;
    CStampSettings& m_settings;
    const CPlotter& m_plotter;
};
