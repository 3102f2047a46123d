#include "CHPPJLStampPage.h"

#include "ui_CHPPJLStampPage.h"

#include "CPlotter.h"
#include "CPlotterPictures.h"
#include "CResourceModule.h"
#include "CStampSettings.h"
#include "CWindowLocaliser.h"
#include "ResourceIds.h"

#include <QTimer>

namespace {
using Axis = CStampSettings::Axis;
using Numbering = CStampSettings::Numbering;

enum Column { kNameColumn, kXColumn, kYColumn, kRotationColumn, kColumnCount };
constexpr unsigned kHeaders[kColumnCount] = {0, ResId::kStampXHeader, ResId::kStampYHeader,
                                             ResId::kStampRotationHeader};
const std::vector<double> kColumnShares = {0.25, 0.25, 0.25, 0.24};
constexpr Numbering kNumberings[] = {Numbering::Off, Numbering::Label, Numbering::User};

QString ToQt(const std::string& text) { return QString::fromStdString(text); }

// Once the focus change under way, which clears the selection, is over.
template <class Edit>
void Refocus(Edit& edit)
{
    QTimer::singleShot(0, &edit, [&edit] {
        edit.setFocus();
        edit.selectAll();
    });
}
}

CHPPJLStampPage::CHPPJLStampPage(CStampSettings& settings, const CPlotter& plotter, QWidget* parent)
    : CSettingsPageView(parent), m_ui(std::make_unique<Ui::CHPPJLStampPage>()), m_settings(settings), m_plotter(plotter)
{
    m_ui->setupUi(this);
    // The page takes the font of the sheet it sits on.
    CWindowLocaliser::LocaliseWindow(*this, font());
    SetUpControls();
    SetUpGrid();
    ConnectControls();
}

// Taking the page down moves the focus out of its edits; that is no user
// leaving them, and the page is half gone by then.
CHPPJLStampPage::~CHPPJLStampPage()
{
    m_ui->editNumber->blockSignals(true);
    m_ui->editNumbering->blockSignals(true);
}

void CHPPJLStampPage::SetUpControls()
{
    const auto [lower, upper] = m_settings.GetStampNumberRange();
    m_ui->editNumber->SetSpinRange(lower, upper);
    const auto& names = m_plotter.GetStampColorNames();
    const QList<QIcon> pictures = CPlotterPictures::GetStampImageList();
    for (std::size_t color = 0; color < names.size(); ++color)
        m_ui->comboColor->AddEntry(pictures.value(static_cast<qsizetype>(color)), ToQt(names[color]));
    for (Numbering numbering : kNumberings)
        m_ui->comboNumbering->addItem(ToQt(CStampSettings::GetNumberingName(numbering)));
    m_ui->editNumbering->SetMode(CLimitEdit::kAsciiWithoutRefused);
    m_ui->editNumbering->SetRefusedCharacter(u'"');
    m_ui->editNumbering->setMaxLength(m_settings.GetNumberingLength());
}

void CHPPJLStampPage::SetUpGrid()
{
    CSettingsGrid& grid = *m_ui->gridPositions;
    grid.SetShape(CStampSettings::kPositionCount, kColumnCount);
    for (int column = kXColumn; column < kColumnCount; ++column)
        grid.SetText(0, column, ToQt(CResourceModule::LoadString(kHeaders[column])));
    for (int row = 1; row <= CStampSettings::kPositionCount; ++row)
        grid.SetText(row, kNameColumn, ToQt(m_settings.GetRowName(row)));
    grid.SetColumnShares(kColumnShares, true);
    for (const auto& [column, axis] : {std::pair{kXColumn, Axis::X}, std::pair{kYColumn, Axis::Y}}) {
        const auto [lower, upper] = m_settings.GetPositionRange(axis);
        grid.SetNumberEditor(column, lower, upper, [this, axis](int row, const QString& text) {
            return m_settings.SetCoordinate(row, axis, text.toStdString());
        });
    }
    const auto rotations = [this](int) {
        QList<CListChoice> choices;
        for (const std::string& label : m_settings.GetRotationLabels())
            choices.append({ToQt(label), {}});
        return choices;
    };
    grid.SetListEditor(kRotationColumn, rotations, [this](int row, int index) {
        m_settings.SetRotation(row, index);
        m_ui->gridPositions->SetText(row, kRotationColumn, ToQt(m_settings.GetPosition(row).rotation));
    });
}

// Only the user's actions reach the rules: showing them sets the controls
// without these signals.
void CHPPJLStampPage::ConnectControls()
{
    connect(m_ui->checkStamp, &QCheckBox::clicked, this,
            [this](bool on) { m_ui->checkStamp->setChecked(m_settings.SetStampOn(on)); });
    connect(m_ui->editNumber, &QAbstractSpinBox::editingFinished, this, &CHPPJLStampPage::OnStampNumberLeft);
    connect(m_ui->comboColor, &QComboBox::activated, this, [this](int index) { m_settings.SetColor(index); });
    connect(m_ui->comboDate, &QComboBox::activated, this, [this](int index) { m_settings.SelectDate(index); });
    connect(m_ui->comboNumbering, &QComboBox::activated, this, [this](int index) {
        m_settings.SetNumbering(kNumberings[index]);
        m_ui->editNumbering->setEnabled(m_settings.IsNumberingTextEnabled());
    });
    connect(m_ui->editNumbering, &QLineEdit::textEdited, this,
            [this](const QString& text) { m_settings.SetNumberingText(text.toStdString()); });
    connect(m_ui->editNumbering, &CLimitEdit::FocusLost, this, &CHPPJLStampPage::OnNumberingTextLeft);
    connect(m_ui->checkLocal, &QCheckBox::clicked, this, &CHPPJLStampPage::OnLocalClicked);
}

void CHPPJLStampPage::ShowSettings()
{
    m_ui->checkStamp->setChecked(m_settings.IsStampOn());
    m_ui->editNumber->SetText(ToQt(m_settings.GetStampNumber()));
    m_ui->comboColor->setCurrentIndex(m_settings.GetColor());
    m_ui->comboDate->clear();
    for (const std::string& label : m_settings.GetDateLabels())
        m_ui->comboDate->addItem(ToQt(label));
    m_ui->comboDate->setCurrentIndex(m_settings.GetDate());
    m_ui->comboNumbering->setCurrentIndex(static_cast<int>(m_settings.GetNumbering()));
    m_ui->editNumbering->setText(ToQt(m_settings.GetNumberingText()));
    m_ui->editNumbering->setEnabled(m_settings.IsNumberingTextEnabled());
    m_ui->checkLocal->setChecked(m_settings.IsLocal());
    ShowPositions();
}

void CHPPJLStampPage::OnStampNumberLeft()
{
    if (!m_settings.SetStampNumber(m_ui->editNumber->Text().toStdString()))
        Refocus(*m_ui->editNumber);
}

void CHPPJLStampPage::OnNumberingTextLeft()
{
    if (!m_settings.CheckNumberingText())
        Refocus(*m_ui->editNumbering);
}

void CHPPJLStampPage::OnLocalClicked(bool on)
{
    m_settings.SetLocal(on);
    ShowPositions();
}

void CHPPJLStampPage::ShowPositions()
{
    CSettingsGrid& grid = *m_ui->gridPositions;
    grid.setEnabled(!m_settings.IsLocal());
    for (int row = 1; row <= CStampSettings::kPositionCount; ++row) {
        const CStampSettings::Position& position = m_settings.GetPosition(row);
        grid.SetText(row, kXColumn, ToQt(position.x));
        grid.SetText(row, kYColumn, ToQt(position.y));
        grid.SetText(row, kRotationColumn, ToQt(position.rotation));
    }
}
