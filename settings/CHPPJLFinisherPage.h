#pragma once

#include "CFinisherSettings.h"
#include "CSettingsPageView.h"

#include <memory>
#include <utility>
#include <vector>

class CEditWithSpin;
class CPlotter;

namespace Ui {
class CHPPJLFinisherPage;
}

// The finisher tab: a host page that shows the form of the region's page.
// The JP and CL pages use one form, the AP and ZC pages another; controls
// of the form that the region's page lacks are hidden.
class CHPPJLFinisherPage : public CSettingsPageView {
    Q_OBJECT

public:
    CHPPJLFinisherPage(CFinisherSettings& settings, const CPlotter& plotter, QWidget* parent = nullptr);
    ~CHPPJLFinisherPage() override;

    void ShowSettings() override;

protected:
    // Leaving a numeric edit checks its number.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    using Control = CFinisherSettings::Control;
    using Page = CFinisherSettings::Page;

    QWidget* CreateRegionForm();
    void BindControls(QWidget& form, const CPlotter& plotter);
    void ConnectControl(Control control, QWidget& widget);
    void SetUpNumber(Control number, CEditWithSpin& edit, const CPlotter& plotter);
    void HideUnused(QWidget& form) const;
    void ShowEnabling();
    void RefocusNumber(CEditWithSpin& edit);

    CFinisherSettings& m_settings;
    std::unique_ptr<Ui::CHPPJLFinisherPage> m_ui;
    QWidget* m_form = nullptr;
    std::vector<std::pair<Control, QWidget*>> m_controls;
    // Moving the focus back to a refused number takes it from another
    // control, which must not check that one in turn.
    bool m_refocusing = false;
};
