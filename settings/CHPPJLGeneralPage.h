#pragma once

#include "CGeneralSettings.h"
#include "CSettingsPageView.h"

#include <memory>

class QAbstractButton;
class QComboBox;

namespace Ui {
class CHPPJLGeneralPage;
}

// The general tab: manual feed, output tray and media type, and the labels
// printed with a job with the label's corner.
class CHPPJLGeneralPage : public CSettingsPageView {
    Q_OBJECT

public:
    CHPPJLGeneralPage(CGeneralSettings& settings, QWidget* parent = nullptr);
    ~CHPPJLGeneralPage() override;

    void ShowSettings() override;

private:
    using Check = CGeneralSettings::Check;
    using Corner = CGeneralSettings::Corner;
    using List = CGeneralSettings::List;

    QList<std::pair<QAbstractButton*, Check>> CheckBoxes() const;
    QList<std::pair<QAbstractButton*, Corner>> CornerButtons() const;
    QList<std::pair<QComboBox*, List>> Lists() const;
    void ConnectControls();

    CGeneralSettings& m_settings;
    std::unique_ptr<Ui::CHPPJLGeneralPage> m_ui;
};
