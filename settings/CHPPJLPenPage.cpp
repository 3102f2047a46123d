#include "CHPPJLPenPage.h"

#include "CPenSettings.h"
#include "CPlotter.h"
#include "CPlotterPictures.h"
#include "CResourceModule.h"
#include "CSettingsGrid.h"
#include "CWindowLocaliser.h"
#include "ResourceIds.h"
#include "ui_CHPPJLPenPage.h"

#include <QCheckBox>

namespace {
enum Column { kNumberColumn, kWidthColumn, kEndColumn, kJointColumn, kColourColumn, kColumnCount };
constexpr unsigned kHeaders[kColumnCount] = {ResId::kPenNumberHeader, ResId::kPenWidthHeader, ResId::kLineEndHeader,
                                             ResId::kLineJointHeader, ResId::kPenColorHeader};
const std::vector<double> kColumnShares = {0.10, 0.20, 0.22, 0.22, 0.25};
// Tall enough for the line-end and joint pictures.
constexpr int kRowHeight = 48;

struct CColourLook {
    const char* code;
    QColor background;
    QColor text;
};

// Black stays (1, 1, 1) rather than (0, 0, 0), the look the pen table has always had.
const CColourLook kColourLooks[] = {
    {"WHITE", QColor(255, 255, 255), QColor(0, 0, 0)},
    {"BLACK", QColor(1, 1, 1), QColor(255, 255, 255)},
    {"RED", QColor(255, 0, 0), QColor(255, 255, 255)},
};

QString ToQt(const std::string& text) { return QString::fromStdString(text); }

// The value set's entries, each with its picture.
QList<CListChoice> Choices(const CPenSettings::Strings& texts, const QList<QIcon>& pictures)
{
    QList<CListChoice> choices;
    for (std::size_t at = 0; at < texts.size(); ++at)
        choices.append({ToQt(texts[at]), at < static_cast<std::size_t>(pictures.size()) ? pictures[at] : QIcon()});
    return choices;
}
}

CHPPJLPenPage::CHPPJLPenPage(CPenSettings& settings, const CPlotter& plotter, QWidget* parent)
    : CSettingsPageView(parent), m_ui(std::make_unique<Ui::CHPPJLPenPage>()), m_settings(settings), m_plotter(plotter)
{
    m_ui->setupUi(this);
    CWindowLocaliser::LocaliseWindow(*this, font());
    SetUpGrid();
    SetUpEditors();
    connect(m_ui->checkWidthChange, &QCheckBox::toggled, this, [this](bool on) { m_settings.SetWidthChange(on); });
}

CHPPJLPenPage::~CHPPJLPenPage() = default;

void CHPPJLPenPage::ShowSettings()
{
    for (int number = 1; number <= CPenSettings::kPenCount; ++number)
        ShowPen(number);
    m_ui->checkWidthChange->setChecked(m_settings.GetWidthChange());
}

void CHPPJLPenPage::SetUpGrid()
{
    CSettingsGrid& grid = *m_ui->gridPens;
    grid.SetShape(CPenSettings::kPenCount, kColumnCount);
    for (int column = 0; column < kColumnCount; ++column)
        grid.SetText(0, column, ToQt(CResourceModule::LoadString(kHeaders[column])));
    for (int number = 1; number <= CPenSettings::kPenCount; ++number)
        grid.SetText(number, kNumberColumn, QString::number(number));
    grid.SetColumnShares(kColumnShares, true);
    grid.SetRowHeight(kRowHeight);
}

void CHPPJLPenPage::SetUpEditors()
{
    CSettingsGrid& grid = *m_ui->gridPens;
    const auto [lower, upper] = m_settings.GetWidthRange();
    grid.SetNumberEditor(kWidthColumn, lower, upper,
                         [this](int row, const QString& text) { return m_settings.SetWidth(row, text.toStdString()); });
    const auto ends = Choices(CPenSettings::GetEndValues(), CPlotterPictures::GetPenEndImages());
    grid.SetListEditor(kEndColumn, [ends](int) { return ends; }, [this](int row, int index) {
        m_settings.SetEnd(row, CPenSettings::GetEndValues().at(static_cast<std::size_t>(index)));
        ShowPen(row);
    });
    const auto joints = Choices(CPenSettings::GetJointValues(), CPlotterPictures::GetPenJointImages());
    grid.SetListEditor(kJointColumn, [joints](int) { return joints; }, [this](int row, int index) {
        m_settings.SetJoint(row, CPenSettings::GetJointValues().at(static_cast<std::size_t>(index)));
        ShowPen(row);
    });
    const auto colours = Choices(m_plotter.GetColorNames(), CPlotterPictures::GetPenImageList());
    grid.SetListEditor(kColourColumn, [colours](int) { return colours; }, [this](int row, int index) {
        m_settings.SetColour(row, CPlotter::GetColorCodes().at(static_cast<std::size_t>(index)));
        ShowPen(row);
    });
}

void CHPPJLPenPage::ShowPen(int number)
{
    CSettingsGrid& grid = *m_ui->gridPens;
    const CPenSettings::Pen& pen = m_settings.GetPen(number);
    grid.SetText(number, kWidthColumn, ToQt(pen.width));
    // The cells show pictures; their texts are the values, for the lists to
    // preselect.
    grid.SetText(number, kEndColumn, ToQt(pen.end));
    grid.SetPicture(number, kEndColumn, CPlotterPictures::GetPenStylePicture(ToQt("PenEnd" + pen.end)));
    grid.SetText(number, kJointColumn, ToQt(pen.joint));
    grid.SetPicture(number, kJointColumn, CPlotterPictures::GetPenStylePicture(ToQt("PenJoint" + pen.joint)));
    ShowColour(number);
}

void CHPPJLPenPage::ShowColour(int number)
{
    CSettingsGrid& grid = *m_ui->gridPens;
    const std::string& colour = m_settings.GetPen(number).colour;
    grid.SetText(number, kColourColumn, ToQt(m_settings.GetColourName(colour)));
    grid.SetCellColours(number, kColourColumn, QColor(), QColor());
    for (const CColourLook& look : kColourLooks)
        if (colour == look.code)
            grid.SetCellColours(number, kColourColumn, look.background, look.text);
}
