#include "CHPPJLScalePage.h"

#include "ui_CHPPJLScalePage.h"

#include "CResourceModule.h"
#include "CWindowLocaliser.h"
#include "ResourceIds.h"

namespace {
constexpr int kColumnCount = 2;
const std::vector<double> kColumnShares = {0.49, 0.49};

QString ToQt(const std::string& text) { return QString::fromStdString(text); }

void Fill(QComboBox& combo, const CScaleSettings::Strings& labels, int selected)
{
    combo.clear();
    for (const std::string& label : labels)
        combo.addItem(ToQt(label));
    combo.setCurrentIndex(selected);
}
}

// The rules hand out every list and size the page shows, so the
// capabilities themselves are not needed here.
CHPPJLScalePage::CHPPJLScalePage(CScaleSettings& settings, const CPlotter&, QWidget* parent)
    : CSettingsPageView(parent)
    , m_ui(std::make_unique<Ui::CHPPJLScalePage>())
    , m_settings(settings)
{
    m_ui->setupUi(this);
    // The page takes the font of the sheet it sits on.
    CWindowLocaliser::LocaliseWindow(*this, font());
    SetUpGrids();
    ConnectControls();
}

CHPPJLScalePage::~CHPPJLScalePage() = default;

void CHPPJLScalePage::ShowSettings()
{
    ShowLists();
    ShowGrids();
}

QList<std::pair<QComboBox*, CHPPJLScalePage::Group>> CHPPJLScalePage::GroupLists() const
{
    return {{m_ui->comboInputGroup, Group::Input},
            {m_ui->comboOutputGroup, Group::Output},
            {m_ui->comboRollGroup, Group::Roll}};
}

CSettingsGrid& CHPPJLScalePage::GridOf(Grid grid) const
{
    return grid == Grid::Scale ? *m_ui->gridScale : *m_ui->gridPaper;
}

void CHPPJLScalePage::SetUpGrids()
{
    const std::pair<Grid, std::pair<unsigned, unsigned>> headers[] = {
        {Grid::Scale, {ResId::kInputSizeHeader, ResId::kOutputSizeHeader}},
        {Grid::Paper, {ResId::kOutputSizeHeader, ResId::kRollPaperHeader}}};
    for (const auto& [grid, ids] : headers) {
        CSettingsGrid& view = GridOf(grid);
        view.SetShape(CScaleSettings::kRowCount, kColumnCount);
        view.SetText(0, 0, ToQt(CResourceModule::LoadString(ids.first)));
        view.SetText(0, 1, ToQt(CResourceModule::LoadString(ids.second)));
        view.SetColumnShares(kColumnShares, true);
        view.SetListEditor(
            1,
            [this, grid](int row) {
                QList<CListChoice> choices;
                for (const std::string& label : m_settings.GetChoices(grid, row))
                    choices.append({ToQt(label), {}});
                return choices;
            },
            [this, grid](int row, int index) {
                m_settings.Choose(grid, row, index);
                ShowGrids();
            });
    }
}

// The lists pass on only the user's choices, as refilling them moves their
// selection.
void CHPPJLScalePage::ConnectControls()
{
    for (const auto& [combo, group] : GroupLists())
        connect(combo, &QComboBox::activated, this, [this, group](int index) {
            m_settings.SelectGroup(group, index);
            ShowGrids();
        });
    connect(m_ui->comboOutputMode, &QComboBox::activated, this,
            [this](int index) { m_settings.SelectOutputMode(index); });
    connect(m_ui->buttonSameAsInput, &QPushButton::clicked, this, [this] {
        m_settings.TakeInputGroupAsOutput();
        ShowSettings();
    });
    connect(m_ui->checkAutoPaper, &QCheckBox::clicked, this, [this](bool on) {
        m_settings.SetPaperAuto(on);
        ShowGrids();
    });
}

void CHPPJLScalePage::ShowLists()
{
    for (const auto& [combo, group] : GroupLists())
        Fill(*combo, m_settings.GetGroupLabels(group), m_settings.GetGroupSelected(group));
    Fill(*m_ui->comboOutputMode, m_settings.GetOutputModeLabels(), m_settings.GetOutputModeSelected());
}

void CHPPJLScalePage::ShowGrids()
{
    for (Grid grid : {Grid::Scale, Grid::Paper})
        for (int row = 1; row <= CScaleSettings::kRowCount; ++row)
            for (int column = 0; column < kColumnCount; ++column)
                GridOf(grid).SetText(row, column, ToQt(m_settings.GetCell(grid, row, column)));
    m_ui->checkAutoPaper->setChecked(m_settings.IsPaperAuto());
    m_ui->gridPaper->setEnabled(!m_settings.IsPaperAuto());
}
