#include "CSendoraDlg.h"

#include "ui_CSendoraDlg.h"

#include "CAboutDlg.h"
#include "CDesktopOpener.h"
#include "CHPPJLPSheet.h"
#include "CHistoryDlg.h"
#include "CMessageService.h"
#include "CNameChoice.h"
#include "COptionsPSheet.h"
#include "CPlotFileChooser.h"
#include "CPrintDataListCtrl.h"
#include "CPrintDataModel.h"
#include "CPreviewPane.h"
#include "CProgramPaths.h"
#include "CPrinterPages.h"
#include "CResourceImages.h"
#include "CRegistryValues.h"
#include "CResourceModule.h"
#include "CSameCopies.h"
#include "CSendChoiceBoxes.h"
#include "CSendFrontEnd.h"
#include "CSendoraApp.h"
#include "CShareDlg.h"
#include "CTextFields.h"
#include "CViewPreferences.h"
#include "CWaitCursor.h"
#include "ResourceIds.h"

#include <QAction>
#include <QFile>
#include <QKeyEvent>
#include <QShortcut>
#include <QSplitter>
#include <QUrl>

#include <filesystem>

namespace {
QString ResourceString(unsigned id)
{
    return QString::fromStdString(CResourceModule::LoadString(id));
}
}

CSendoraDlg::CSendoraDlg(CSendoraApp& app, QWidget* parent)
    : QDialog(parent)
    , m_ui(std::make_unique<Ui::CSendoraDlg>())
    , m_app(app)
    , m_sender(new CSendFrontEnd(app, *this))
    , m_pages(std::make_unique<CPrinterPages>(app, *this))
{
    m_ui->setupUi(this);
    setWindowIcon(CResourceImages::Icon(ResId::kIcon));
    m_app.LocaliseWindow(*this);
    m_app.GetPlotter().LoadConfig(m_app.GetRegionCode());

    // The columns take their widths from the list as laid out.
    layout()->activate();
    m_ui->listPrintData->InitList(m_app.GetMainJob(), *this);
    m_ui->listPrintData->setFont(QFont(m_app.GetFont().family(), kListFontPoints));

    InitControls();
    SetImages();
    ConnectCommands();
    ConnectSend();
    AddWindowCommands();
    InitPreview();
    // The layout, activated early for the columns, left the window at its
    // minimum size; the preview pane starts at its preferred width, unless
    // the window was left otherwise.
    adjustSize();
    restoreGeometry(CViewPreferences::ReadWindowGeometry());
}

// An editor still open on the list loses its focus as the window goes; the
// delegate must not store into a window that is half gone.
CSendoraDlg::~CSendoraDlg()
{
    m_sender->EndTransferAtClose();
    m_ui->listPrintData->itemDelegate()->blockSignals(true);
}

void CSendoraDlg::InitControls()
{
    m_ui->editPrinterNumber->SetSpinRange(0, kMaxPrinterNumber);
    m_ui->editPrinterNumber->setValue(CRegistryValues::ReadPrinterNo());
    // Judged as it is committed, as every number of the window is; Send
    // still refuses a number left out of range.
    connect(m_ui->editPrinterNumber, &QAbstractSpinBox::editingFinished, this, [this] {
        if (!CTextFields::IsNumberIn(m_ui->editPrinterNumber->Text().toStdString(), 0, kMaxPrinterNumber))
            m_ui->editPrinterNumber->Refuse(ResId::kBadPrinterNumberMessage);
    });
    m_sameCopies = new CSameCopies(*m_ui->checkSameCopies, *m_ui->editCopiesForAll, kMaxCopies, [this](int copies) {
        CPrintJob& job = m_app.GetMainJob();
        for (int i = 0; i < job.GetCount(); ++i)
            job.GetAt(i)->SetCopies(copies);
        Model().AllRowsChanged();
    }, this);
    FillNames(*m_ui->comboOwnerName, CNameChoice::LoadOwnerNames(m_app.GetUserConfig()));
    FillNames(*m_ui->comboPrinterName, CNameChoice::LoadPrinterNames(m_app.GetUserConfig()));
    FillSettings(QString::fromStdString(CRegistryValues::ReadPrinterSetting()));
}

void CSendoraDlg::FillNames(CSDComboBox& box, const CNameChoice& choice)
{
    box.clear();
    for (const std::string& name : choice.names)
        box.addItem(QString::fromStdString(name));
    box.setCurrentIndex(choice.selected);
}

void CSendoraDlg::RefillNames(CSDComboBox& box, const CNameChoice& choice)
{
    // A name typed but never registered stays as typed; a chosen one that
    // the sheet removed gives way.
    const QString shown = box.currentText();
    const bool typed = box.findText(shown, Qt::MatchExactly | Qt::MatchCaseSensitive) < 0;
    FillNames(box, choice);
    if (const int index = box.findText(shown, Qt::MatchExactly | Qt::MatchCaseSensitive); index >= 0)
        box.setCurrentIndex(index);
    else if (typed && box.isEditable() && !shown.isEmpty())
        box.setEditText(shown);
}

void CSendoraDlg::FillSettings(const QString& selected)
{
    CSDComboBox& box = *m_ui->comboPrinterSetting;
    box.clear();
    for (const std::string& name : m_app.GetSettingFiles().ListNames())
        box.addItem(QString::fromStdString(name));
    if (!box.SelectExactly(selected))
        box.setCurrentIndex(0);
}

void CSendoraDlg::SetImages()
{
    m_ui->buttonMoveUp->setIcon(CResourceImages::Bitmap(ResId::kMoveUpImage));
    m_ui->buttonMoveUp->setToolTip(ResourceString(ResId::kMoveUpTip));
    m_ui->buttonMoveDown->setIcon(CResourceImages::Bitmap(ResId::kMoveDownImage));
    m_ui->buttonMoveDown->setToolTip(ResourceString(ResId::kMoveDownTip));
}

void CSendoraDlg::ConnectCommands()
{
    connect(m_ui->buttonEditSettings, &QPushButton::clicked, this, &CSendoraDlg::OnEditSettings);
    connect(m_ui->buttonAddFiles, &QPushButton::clicked, this, &CSendoraDlg::OnAddFiles);
    connect(m_ui->buttonAddFolder, &QPushButton::clicked, this, &CSendoraDlg::OnAddFolder);
    CPrintDataListCtrl* list = m_ui->listPrintData;
    connect(m_ui->buttonDeleteSelected, &QPushButton::clicked, list, &CPrintDataListCtrl::DeleteSelected);
    connect(m_ui->buttonDeleteAll, &QPushButton::clicked, &Model(), &CPrintDataModel::DeleteAll);
    connect(m_ui->buttonMoveUp, &QPushButton::clicked, list, &CPrintDataListCtrl::MoveSelectionUp);
    connect(m_ui->buttonMoveDown, &QPushButton::clicked, list, &CPrintDataListCtrl::MoveSelectionDown);
    connect(m_ui->buttonClose, &QPushButton::clicked, this, &CSendoraDlg::reject);
    connect(m_ui->buttonStatusPage, &QPushButton::clicked, this,
            [this] { OnPrinterPage(ResId::kHeronStatusPageUrl, ResId::kStatusPageUrl); });
    connect(m_ui->buttonJobsPage, &QPushButton::clicked, this,
            [this] { OnPrinterPage(ResId::kHeronJobsPageUrl, ResId::kJobsPageUrl); });
    connect(m_ui->buttonConfigurationPage, &QPushButton::clicked, this,
            [this] { OnPrinterPage(ResId::kHeronConfigurationPageUrl, ResId::kConfigurationPageUrl); });
    connect(m_ui->buttonOptions, &QPushButton::clicked, this, &CSendoraDlg::OnOptions);
    connect(m_ui->buttonHelp, &QPushButton::clicked, this, &CSendoraDlg::OnHelp);
}

void CSendoraDlg::ConnectSend()
{
    connect(m_ui->buttonSend, &QPushButton::clicked, this, [this] { m_sender->SendList(ReadChoices()); });
    connect(m_ui->buttonSendSetup, &QPushButton::clicked, this, [this] { m_sender->SendSetup(ReadChoices()); });
    connect(m_sender, &CSendFrontEnd::CommandStarted, this, [this] { EnableControls(false); });
    connect(m_sender, &CSendFrontEnd::CommandEnded, this, [this] {
        EnableControls(true);
        emit SendFinished();
    });
    connect(m_sender, &CSendFrontEnd::CloseDue, this, &CSendoraDlg::reject);
}

// The about item stands in for the system menu's; a region without its
// text has none.
void CSendoraDlg::AddWindowCommands()
{
    new QShortcut(QKeySequence::HelpContents, this, this, &CSendoraDlg::OnHelp);
    setContextMenuPolicy(Qt::ActionsContextMenu);
    auto* historyAction = new QAction(ResourceString(ResId::kHistoryItem), this);
    historyAction->setObjectName("actionHistory");
    historyAction->setShortcut(Qt::CTRL | Qt::Key_H);
    addAction(historyAction);
    connect(historyAction, &QAction::triggered, this, &CSendoraDlg::OnHistory);
    auto* shareAction = new QAction(ResourceString(ResId::kShareItem), this);
    shareAction->setObjectName("actionShare");
    addAction(shareAction);
    connect(shareAction, &QAction::triggered, this, &CSendoraDlg::OnShare);
    const QString about = ResourceString(ResId::kAboutItem);
    if (about.isEmpty())
        return;
    auto* aboutAction = new QAction(about, this);
    aboutAction->setObjectName("actionAbout");
    addAction(aboutAction);
    connect(aboutAction, &QAction::triggered, this, &CSendoraDlg::OnAbout);
}

// The list takes the room the window gains; the pane keeps its width
// until its splitter is dragged.
void CSendoraDlg::InitPreview()
{
    QSplitter& splitter = *m_ui->splitterPreview;
    splitter.setStretchFactor(0, 1);
    splitter.setStretchFactor(1, 0);
    splitter.restoreState(CViewPreferences::ReadSplitterState());
    m_ui->listPrintData->SetSizesInInches(CViewPreferences::ReadSizesInInches());
    const QItemSelectionModel* selection = m_ui->listPrintData->selectionModel();
    connect(selection, &QItemSelectionModel::selectionChanged, this, &CSendoraDlg::UpdatePreview);
    connect(selection, &QItemSelectionModel::currentChanged, this, &CSendoraDlg::UpdatePreview);
    // Sizes arriving, formats changed, entries moved or deleted.
    connect(&Model(), &QAbstractItemModel::dataChanged, this, &CSendoraDlg::UpdatePreview);
    connect(&Model(), &QAbstractItemModel::rowsRemoved, this, &CSendoraDlg::UpdatePreview);
    connect(&Model(), &QAbstractItemModel::modelReset, this, &CSendoraDlg::UpdatePreview);
}

void CSendoraDlg::UpdatePreview()
{
    const int row = m_ui->listPrintData->PreviewRow();
    const CPrintData* entry = row < 0 ? nullptr : m_app.GetMainJob().GetAt(row);
    if (!entry) {
        m_ui->panePreview->ShowNothing();
        return;
    }
    m_ui->panePreview->ShowFile(entry->GetSendPath(), entry->GetDataFormat(),
                                Model().index(row, CPrintDataModel::kSize).data().toString());
}

CPrintDataModel& CSendoraDlg::Model() const
{
    return m_ui->listPrintData->Model();
}

void CSendoraDlg::EnableControls(bool enable)
{
    // The progress and build windows are children too, but no controls.
    for (QWidget* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (!child->isWindow())
            child->setEnabled(enable);
    if (enable)
        m_sameCopies->Enable(true);
}

int CSendoraDlg::DefaultCopies() const
{
    return m_sameCopies->Copies();
}

bool CSendoraDlg::IsSameCopies() const
{
    return m_sameCopies->IsOn();
}

void CSendoraDlg::CancelSameCopies()
{
    m_sameCopies->Cancel();
}

void CSendoraDlg::AddPaths(const QStringList& paths)
{
    m_ui->listPrintData->AddPaths(paths);
}

void CSendoraDlg::OnAddFiles()
{
    const QStringList files = CPlotFileChooser::ChooseFiles(this);
    if (files.isEmpty())
        return;
    CWaitCursor wait;
    std::vector<std::string> paths;
    for (const QString& file : files)
        paths.push_back(QFile::encodeName(file).toStdString());
    m_ui->listPrintData->AddFilesAtOldEnd(paths);
}

// The sheet edits the file behind the selected entry; afterwards the list
// shows what the sheet saved, selected when it was saved among them.
// The pages may have rewritten the lists, whether the sheet was confirmed or not.
void CSendoraDlg::OnOptions()
{
    COptionsPSheet sheet(this, m_app.GetUserConfig());
    sheet.exec();
    RefillNames(*m_ui->comboOwnerName, CNameChoice::LoadOwnerNames(m_app.GetUserConfig()));
    RefillNames(*m_ui->comboPrinterName, CNameChoice::LoadPrinterNames(m_app.GetUserConfig()));
}

void CSendoraDlg::OnEditSettings()
{
    const std::string name = m_ui->comboPrinterSetting->currentText().toStdString();
    const CSettingFile::Resolution resolution = m_app.GetSettingFiles().Resolve(name);
    if (!resolution.ok) {
        CMessageService::Show(ResId::kCannotLoadSettingMessage);
        return;
    }
    CPrintJob& job = m_app.GetMainJob();
    job.SetSettingFilePath(resolution.path);
    job.SetUsesDefaultSettings(resolution.usesDefaultSettings);
    const CHPPJLPSheet::Opening opening{m_app.GetRegionCode(), name, resolution.path,
                                         m_app.GetSettingFiles().GetFolder()};
    CHPPJLPSheet sheet(m_app.GetPlotter(), opening, m_app.GetFont(), this);
    sheet.exec();
    job.SetSettingFilePath(sheet.GetCurrentPath());
    FillSettings(QString::fromStdString(sheet.GetSettingName()));
}

void CSendoraDlg::OnAddFolder()
{
    const QString folder = CPlotFileChooser::ChooseFolder(this);
    if (folder.isEmpty())
        return;
    m_ui->listPrintData->AddFolder(QFile::encodeName(folder).toStdString());
}

void CSendoraDlg::SaveWindowState()
{
    CViewPreferences::Write(m_ui->listPrintData->IsSizesInInches(), m_ui->splitterPreview->saveState(),
                            saveGeometry());
    CRegistryValues::WriteWindowState(m_ui->editPrinterNumber->value(), m_ui->comboOwnerName->currentText().toStdString(),
                                      m_ui->comboPrinterName->currentText().toStdString(),
                                      m_ui->comboPrinterSetting->currentText().toStdString());
}

void CSendoraDlg::OnPrinterPage(unsigned heronTemplate, unsigned otherTemplate)
{
    m_pages->Open(m_ui->comboPrinterName->currentText().toStdString(), heronTemplate, otherTemplate);
}

void CSendoraDlg::OnHelp()
{
    const std::string& manual = m_app.GetManualPath();
    if (!std::filesystem::is_regular_file(manual)) {
        CMessageService::Show(ResId::kNoManualMessage, manual);
        return;
    }
    CDesktopOpener::Open(QUrl::fromLocalFile(QFile::decodeName(QByteArray::fromStdString(manual))));
}

// Not during a send: the files put back would change the list under it.
void CSendoraDlg::OnHistory()
{
    if (!m_ui->listPrintData->isEnabled())
        return;
    CHistoryDlg history(m_app, *m_ui->listPrintData, *this, this);
    if (history.exec() == QDialog::Accepted && history.GetPutBack())
        CSendChoiceBoxes(*m_ui->comboPrinterName, *m_ui->editPrinterNumber, *m_ui->comboOwnerName,
                         *m_ui->comboPrinterSetting)
            .Select(*history.GetPutBack());
}

void CSendoraDlg::OnShare()
{
    const QString program = QString::fromStdString(CProgramPaths::GetProgramFolder() + "qx-sendora-printer-app");
    auto* share = new CShareDlg(program, ReadChoices(), CNameChoice::LoadPrinterNames(m_app.GetUserConfig()).names,
                                m_app.GetSettingFiles().ListNames(), this);
    share->setAttribute(Qt::WA_DeleteOnClose);
    share->show();
}

void CSendoraDlg::OnAbout()
{
    CAboutDlg about(m_app, this);
    about.exec();
}

void CSendoraDlg::reject()
{
    m_pages->Cancel();
    if (!m_sender->Close())
        return;
    SaveWindowState();
    QDialog::reject();
}

CSendChoices CSendoraDlg::ReadChoices() const
{
    CSendChoices choices;
    choices.printerName = m_ui->comboPrinterName->currentText().toStdString();
    choices.printerNumber = m_ui->editPrinterNumber->value();
    choices.ownerName = m_ui->comboOwnerName->currentText().toStdString();
    choices.collate = IsSameCopies();
    choices.reverseOrder = m_ui->checkReverseOrder->isChecked();
    choices.setting = SettingChoice();
    return choices;
}

// The list shows the files of the application's setting folder, which the
// send checks would look for beside the program; a path names the file
// itself. The printer defaults go by their name.
std::string CSendoraDlg::SettingChoice() const
{
    const std::string name = m_ui->comboPrinterSetting->currentText().toStdString();
    const CSettingFile::Resolution resolution = m_app.GetSettingFiles().Resolve(name);
    return resolution.ok && !resolution.usesDefaultSettings ? resolution.path : name;
}

void CSendoraDlg::keyPressEvent(QKeyEvent* event)
{
    const int key = event->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape)
        event->accept();
    else
        QDialog::keyPressEvent(event);
}
