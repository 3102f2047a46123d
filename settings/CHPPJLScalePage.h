#pragma once

#include "CScaleSettings.h"
#include "CSettingsPageView.h"

#include <memory>

class CPlotter;
class CSettingsGrid;
class QComboBox;

namespace Ui {
class CHPPJLScalePage;
}

// The scale tab: the input, output and roll paper groups and the output
// mode, the grid of the output size each input size prints at, and the grid
// of the roll paper each output size prints on unless the paper is chosen
// automatically.
class CHPPJLScalePage : public CSettingsPageView {
    Q_OBJECT

public:
    CHPPJLScalePage(CScaleSettings& settings, const CPlotter& plotter, QWidget* parent = nullptr);
    ~CHPPJLScalePage() override;

    void ShowSettings() override;

private:
    using Grid = CScaleSettings::Grid;
    using Group = CScaleSettings::Group;

    QList<std::pair<QComboBox*, Group>> GroupLists() const;
    CSettingsGrid& GridOf(Grid grid) const;
    void SetUpGrids();
    void ConnectControls();
    void ShowLists();
    void ShowGrids();

    std::unique_ptr<Ui::CHPPJLScalePage> m_ui;
    CScaleSettings& m_settings;
};
