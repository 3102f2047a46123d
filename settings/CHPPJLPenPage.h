#pragma once

#include "CSettingsPageView.h"

#include <memory>

class CPenSettings;
class CPlotter;

namespace Ui {
class CHPPJLPenPage;
}

// The pen tab: the pen-width-change switch and the grid of the 32 pens,
// whose width, line end, line joint and colour are edited in place.
class CHPPJLPenPage : public CSettingsPageView {
    Q_OBJECT

public:
    CHPPJLPenPage(CPenSettings& settings, const CPlotter& plotter, QWidget* parent = nullptr);
    ~CHPPJLPenPage() override;

    void ShowSettings() override;

private:
    void SetUpGrid();
    void SetUpEditors();
    void ShowPen(int number);
    void ShowColour(int number);

    std::unique_ptr<Ui::CHPPJLPenPage> m_ui;
    CPenSettings& m_settings;
    const CPlotter& m_plotter;
};
