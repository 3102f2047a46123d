#include "CHPPJLColorPage.h"

#include "ui_CHPPJLColorPage.h"

#include "CPlotter.h"
#include "CPlotterPictures.h"
#include "CResourceModule.h"
#include "CWindowLocaliser.h"
#include "ResourceIds.h"

namespace {
using Data = CColorSettings::Data;

constexpr int kRasterColumn = 1;
constexpr int kVectorColumn = 2;
constexpr unsigned kSourceNames[CColorSettings::kSourceCount] = {
    ResId::kSourceWhiteName, ResId::kSourceBlackName,  ResId::kSourceRedName,     ResId::kSourceGreenName,
    ResId::kSourceBlueName,  ResId::kSourceYellowName, ResId::kSourceMagentaName, ResId::kSourceCyanName};

struct CCellLook {
    QColor background;
    QColor text;
};

// By colour index: white, black, red.
const CCellLook kCellLooks[] = {
    {QColor(255, 255, 255), QColor(0, 0, 0)},
    {QColor(1, 1, 1), QColor(255, 255, 255)},
    {QColor(255, 0, 0), QColor(255, 255, 255)},
};

QString ResourceString(unsigned id)
{
    return QString::fromStdString(CResourceModule::LoadString(id));
}

int ColumnOf(Data data)
{
    return data == Data::Raster ? kRasterColumn : kVectorColumn;
}
}

CHPPJLColorPage::CHPPJLColorPage(CColorSettings& settings, const CPlotter& plotter, QWidget* parent)
    : CSettingsPageView(parent)
    , m_settings(settings)
    , m_plotter(plotter)
    , m_ui(std::make_unique<Ui::CHPPJLColorPage>())
{
    m_ui->setupUi(this);
    // The page takes the font of the sheet it sits on.
    CWindowLocaliser::LocaliseWindow(*this, font());
    FillRasterColors();
    SetUpGrid();
    connect(m_ui->comboRasterColor, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index >= 0)
            m_settings.SetRasterColor(index);
    });
    connect(m_ui->checkConversion, &QCheckBox::clicked, this, &CHPPJLColorPage::OnConversionClicked);
}

CHPPJLColorPage::~CHPPJLColorPage() = default;

void CHPPJLColorPage::ShowSettings()
{
    m_ui->comboRasterColor->setCurrentIndex(m_settings.GetRasterColor());
    m_ui->checkConversion->setChecked(m_settings.IsConversionOn());
    ShowTable();
}

void CHPPJLColorPage::FillRasterColors()
{
    for (const CListChoice& choice : ColorChoices())
        m_ui->comboRasterColor->AddEntry(choice.picture, choice.text);
}

QList<CListChoice> CHPPJLColorPage::ColorChoices() const
{
    const QList<QIcon> images = CPlotterPictures::GetColorImageList();
    QList<CListChoice> choices;
    for (const std::string& name : m_plotter.GetColorNames())
        choices.append({QString::fromStdString(name), images.value(choices.size())});
    return choices;
}

void CHPPJLColorPage::SetUpGrid()
{
    CSettingsGrid& grid = *m_ui->gridColors;
    grid.SetShape(CColorSettings::kSourceCount, 3);
    grid.SetColumnShares({0.26, 0.36, 0.36}, false);
    for (Data data : {Data::Raster, Data::Vector}) {
        grid.SetListEditor(
            ColumnOf(data), [this](int) { return ColorChoices(); },
            [this, data](int row, int index) {
                m_settings.SetCell(data, row - 1, index);
                ShowCell(data, row - 1);
            });
    }
    WriteLabels();
}

void CHPPJLColorPage::WriteLabels()
{
    CSettingsGrid& grid = *m_ui->gridColors;
    grid.SetText(0, kRasterColumn, ResourceString(ResId::kRasterColumnHeader));
    grid.SetText(0, kVectorColumn, ResourceString(ResId::kVectorColumnHeader));
    for (int source = 0; source < CColorSettings::kSourceCount; ++source)
        grid.SetText(source + 1, 0, ResourceString(kSourceNames[source]));
}

void CHPPJLColorPage::ShowTable()
{
    const bool on = m_settings.IsConversionOn();
    if (on) {
        for (Data data : {Data::Raster, Data::Vector})
            for (int source = 0; source < CColorSettings::kSourceCount; ++source)
                ShowCell(data, source);
    } else {
        m_ui->gridColors->ClearCells();
        WriteLabels();
    }
    m_ui->gridColors->setEnabled(on);
}

void CHPPJLColorPage::ShowCell(Data data, int source)
{
    const auto color = m_settings.GetCell(data, source);
    if (!color)
        return;
    const auto& names = m_plotter.GetColorNames();
    const auto index = static_cast<std::size_t>(*color);
    const CCellLook& look = kCellLooks[index];
    CSettingsGrid& grid = *m_ui->gridColors;
    grid.SetText(source + 1, ColumnOf(data), index < names.size() ? QString::fromStdString(names[index]) : QString());
    grid.SetCellColours(source + 1, ColumnOf(data), look.background, look.text);
}

void CHPPJLColorPage::OnConversionClicked(bool on)
{
    m_settings.SetConversion(on);
    ShowTable();
}
