#include "CHPPJLPSheet.h"

#include "ui_CHPPJLPSheet.h"

#include "CFileDialogs.h"
#include "CHPPJLColorPage.h"
#include "CHPPJLFinisherPage.h"
#include "CHPPJLGeneralPage.h"
#include "CHPPJLPenPage.h"
#include "CHPPJLScalePage.h"
#include "CHPPJLStampPage.h"
#include "CMessageService.h"
#include "CQuestions.h"
#include "CResourceImages.h"
#include "CResourceModule.h"
#include "CWindowLocaliser.h"
#include "ResourceIds.h"

#include <QKeyEvent>

#include <filesystem>

namespace {
QString ResourceString(unsigned id)
{
    return QString::fromStdString(CResourceModule::LoadString(id));
}
}

CHPPJLPSheet::CHPPJLPSheet(const CPlotter& plotter, const Opening& opening, const QFont& font, QWidget* parent)
    : QDialog(parent)
    , m_ui(std::make_unique<Ui::CHPPJLPSheet>())
    , m_editor(plotter, opening.regionCode, opening.settingName, opening.currentPath)
    , m_settingFolder(opening.settingFolder)
{
    m_ui->setupUi(this);
    setWindowIcon(CResourceImages::Icon(ResId::kIcon));
    CWindowLocaliser::LocaliseWindow(*this, font);
    AddPages(plotter);
    connect(m_ui->tabPages, &QTabWidget::currentChanged, this, &CHPPJLPSheet::OnTabShown);
    connect(m_ui->buttonSaveAs, &QPushButton::clicked, this, &CHPPJLPSheet::OnSaveAs);
    connect(m_ui->buttonClose, &QPushButton::clicked, this, &CHPPJLPSheet::reject);
    OnTabShown(m_ui->tabPages->currentIndex());
    ShowTitle();
}

CHPPJLPSheet::~CHPPJLPSheet() = default;

// Created as the sheet's children, the pages localise themselves in the
// sheet's font; a page's title names its tab.
void CHPPJLPSheet::AddPages(const CPlotter& plotter)
{
    for (const CSettingsEditor::Tab tab : CSettingsEditor::Tabs()) {
        CSettingsPageView* view = CreateView(tab, plotter);
        m_ui->tabPages->addTab(view, view->windowTitle());
        m_tabs.push_back({tab, view});
    }
}

CSettingsPageView* CHPPJLPSheet::CreateView(CSettingsEditor::Tab tab, const CPlotter& plotter)
{
    switch (tab) {
    case CSettingsEditor::Tab::Scale:
        return new CHPPJLScalePage(m_editor.GetScaleSettings(), plotter, this);
    case CSettingsEditor::Tab::Pen:
        return new CHPPJLPenPage(m_editor.GetPenSettings(), plotter, this);
    case CSettingsEditor::Tab::Color:
        return new CHPPJLColorPage(m_editor.GetColorSettings(), plotter, this);
    case CSettingsEditor::Tab::Finisher:
        return new CHPPJLFinisherPage(m_editor.GetFinisherSettings(), plotter, this);
    case CSettingsEditor::Tab::Stamp:
        return new CHPPJLStampPage(m_editor.GetStampSettings(), plotter, this);
    case CSettingsEditor::Tab::General:
        break;
    }
    return new CHPPJLGeneralPage(m_editor.GetGeneralSettings(), this);
}

// Pages read the file that is current when they are first shown, which may
// be one saved since the sheet opened.
void CHPPJLPSheet::OnTabShown(int index)
{
    if (index < 0 || index >= static_cast<int>(m_tabs.size()) || m_tabs[index].shown)
        return;
    Tab& shown = m_tabs[index];
    shown.shown = true;
    m_editor.ShowPage(shown.tab);
    shown.view->ShowSettings();
}

void CHPPJLPSheet::OnSaveAs()
{
    const QString proposal = QString::fromStdString(m_settingFolder + m_editor.ProposedFileName());
    const QString path = CFileDialogs::ChooseFileToSave(this, ResourceString(ResId::kSaveSettingTitle),
                                                        ResourceString(ResId::kSettingFileFilter), proposal, "prn");
    if (path.isEmpty())
        return;
    const std::string target = CSettingsEditor::SavePath(path.toStdString());
    const CSettingsEditor::Target checked = CSettingsEditor::CheckTarget(target);
    if (checked == CSettingsEditor::Target::Reserved ||
        (checked == CSettingsEditor::Target::Existing &&
         !CQuestions::Ask(ResId::kReplaceSettingQuestion, std::filesystem::path(target).filename().string())))
        return;
    if (m_editor.SaveAs(target) == CSettingsEditor::SaveResult::WriteFailed)
        CMessageService::Show(ResId::kSettingNotWrittenMessage, target);
    ShowTitle();
}

void CHPPJLPSheet::ShowTitle()
{
    setWindowTitle(QString::fromStdString(CMessageService::Format(ResId::kSettingsNamedTitle, GetSettingName())));
}

// Escape, the close button and the window's own close all come here.
void CHPPJLPSheet::reject()
{
    if (m_editor.HasUnsavedChanges() && !CQuestions::Ask(ResId::kDiscardChangesQuestion, GetSettingName()))
        return;
    QDialog::reject();
}

// Enter neither saves nor closes the sheet; Escape closes it as the close
// button does.
void CHPPJLPSheet::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        event->accept();
    else
        QDialog::keyPressEvent(event);
}
