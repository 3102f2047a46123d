#include "CHPPJLGeneralPage.h"

#include "ui_CHPPJLGeneralPage.h"

#include "CWindowLocaliser.h"

CHPPJLGeneralPage::CHPPJLGeneralPage(CGeneralSettings& settings, QWidget* parent)
    : CSettingsPageView(parent)
    , m_settings(settings)
    , m_ui(std::make_unique<Ui::CHPPJLGeneralPage>())
{
    m_ui->setupUi(this);
    // The page takes the font of the sheet it sits on.
    CWindowLocaliser::LocaliseWindow(*this, font());
    ConnectControls();
}

CHPPJLGeneralPage::~CHPPJLGeneralPage() = default;

QList<std::pair<QAbstractButton*, CHPPJLGeneralPage::Check>> CHPPJLGeneralPage::CheckBoxes() const
{
    return {{m_ui->checkManualFeed, Check::ManualFeed},
            {m_ui->checkErrorLabel, Check::ErrorLabel},
            {m_ui->checkLabel, Check::Label},
            {m_ui->checkDateLabel, Check::DateLabel}};
}

QList<std::pair<QAbstractButton*, CHPPJLGeneralPage::Corner>> CHPPJLGeneralPage::CornerButtons() const
{
    return {{m_ui->radioUpperLeft, Corner::UpperLeft},
            {m_ui->radioUpperRight, Corner::UpperRight},
            {m_ui->radioLowerLeft, Corner::LowerLeft},
            {m_ui->radioLowerRight, Corner::LowerRight}};
}

QList<std::pair<QComboBox*, CHPPJLGeneralPage::List>> CHPPJLGeneralPage::Lists() const
{
    return {{m_ui->comboOutputTray, List::OutputTray}, {m_ui->comboMediaType, List::MediaType}};
}

// Showing the rules' values sets the controls to what the rules hold, so
// passing those on again changes nothing; the lists pass on only the user's
// choices, as refilling them moves their selection.
void CHPPJLGeneralPage::ConnectControls()
{
    for (const auto& [box, check] : CheckBoxes())
        connect(box, &QAbstractButton::toggled, this, [this, check](bool on) { m_settings.SetChecked(check, on); });
    for (const auto& [radio, corner] : CornerButtons())
        connect(radio, &QAbstractButton::toggled, this, [this, corner](bool on) {
            if (on)
                m_settings.SetLabelLocation(corner);
        });
    for (const auto& [combo, list] : Lists())
        connect(combo, &QComboBox::activated, this, [this, list](int index) { m_settings.Select(list, index); });
}

void CHPPJLGeneralPage::ShowSettings()
{
    for (const auto& [box, check] : CheckBoxes())
        box->setChecked(m_settings.IsChecked(check));
    for (const auto& [radio, corner] : CornerButtons())
        if (corner == m_settings.GetLabelLocation())
            radio->setChecked(true);
    for (const auto& [combo, list] : Lists()) {
        combo->clear();
        for (const std::string& label : m_settings.GetLabels(list))
            combo->addItem(QString::fromStdString(label));
        combo->setCurrentIndex(m_settings.GetSelected(list));
    }
}
