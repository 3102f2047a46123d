#pragma once

#include "CColorSettings.h"
#include "CListEditDelegate.h"
#include "CSettingsPageView.h"

#include <memory>

class CPlotter;

namespace Ui {
class CHPPJLColorPage;
}

// The colour tab: the raster colour and, while drawing-colour conversion is
// on, the grid of output colours by source colour (column 1 raster data,
// column 2 vector data).
class CHPPJLColorPage : public CSettingsPageView {
    Q_OBJECT

public:
    CHPPJLColorPage(CColorSettings& settings, const CPlotter& plotter, QWidget* parent = nullptr);
    ~CHPPJLColorPage() override;

    void ShowSettings() override;

private:
    void FillRasterColors();
    void SetUpGrid();
    void WriteLabels();
    void ShowTable();
    void ShowCell(CColorSettings::Data data, int source);
    QList<CListChoice> ColorChoices() const;
    void OnConversionClicked(bool on);

    CColorSettings& m_settings;
    const CPlotter& m_plotter;
    std::unique_ptr<Ui::CHPPJLColorPage> m_ui;
};
