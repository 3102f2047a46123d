#include "CPrintDataListCtrl.h"

#include "CEditWithSpin.h"
#include "CExtensionConfig.h"
#include "CFolderFiles.h"
#include "CFormatTable.h"
#include "CMessageService.h"
#include "CPrintDataModel.h"
#include "CPrintJob.h"
#include "CSDComboBox.h"
#include "CWaitCursor.h"
#include "ControlTags.h"
#include "IPrintListHost.h"

#include <QCoreApplication>
#include <QDropEvent>
#include <QElapsedTimer>
#include <QFile>
#include <QHeaderView>
#include <QMimeData>
#include <QScopedValueRollback>

#include <algorithm>
#include <filesystem>

namespace {
constexpr unsigned kCopiesOutOfRange = 126;
constexpr unsigned kSameCopiesCancelled = 515;
// How long a folder search may go without letting the window paint.
constexpr qint64 kPaintIntervalMs = 50;
constexpr int kRowPadding = 8;
}

CPrintDataListCtrl::CPrintDataListCtrl(QWidget* parent)
    : QTableView(parent)
{
    setSelectionBehavior(SelectRows);
    setSelectionMode(ExtendedSelection);
    setEditTriggers(NoEditTriggers);
    setShowGrid(false);
    setWordWrap(false);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setSectionsClickable(false);
    horizontalHeader()->setHighlightSections(false);
    setAcceptDrops(true);
    viewport()->setAcceptDrops(true);
    connect(this, &QAbstractItemView::doubleClicked, this, &CPrintDataListCtrl::OnCellDoubleClick);
}

void CPrintDataListCtrl::InitList(CPrintJob& job, IPrintListHost& host, const QFont& editorFont)
{
    m_host = &host;
    m_model = new CPrintDataModel(job, this);
    setModel(m_model);
    const int listWidth = width();
    setColumnWidth(CPrintDataModel::kFileName, listWidth * 57 / 100);
    setColumnWidth(CPrintDataModel::kDataFormat, listWidth * 29 / 100);
    setColumnWidth(CPrintDataModel::kCopies, listWidth / 10);
    CreateEditors(editorFont);
}

void CPrintDataListCtrl::CreateEditors(const QFont& editorFont)
{
    m_copiesEditor = new CEditWithSpin(viewport());
    m_copiesEditor->setObjectName("editCopies");
    m_copiesEditor->SetSpinRange(1, kMaxCopies);
    m_copiesEditor->setAlignment(Qt::AlignRight);
    m_copiesEditor->setFont(editorFont);
    m_copiesEditor->SetTag(control_tag::kPrintList);
    m_copiesEditor->hide();
    connect(m_copiesEditor, &CEditWithSpin::FocusLost, this, [this](int tag) {
        if (tag == control_tag::kPrintList)
            CommitCopies();
    });

    m_formatChooser = new CSDComboBox(viewport());
    m_formatChooser->setObjectName("comboDataFormat");
    m_formatChooser->setFont(editorFont);
    m_formatChooser->SetTag(control_tag::kPrintList);
    m_formatChooser->hide();
    connect(m_formatChooser, &CSDComboBox::FocusLost, this, [this](int tag) {
        if (tag == control_tag::kPrintList)
            CommitFormat();
    });
}

std::vector<int> CPrintDataListCtrl::SelectedRows() const
{
    std::vector<int> rows;
    for (const QModelIndex& index : selectionModel()->selectedRows())
        rows.push_back(index.row());
    std::sort(rows.begin(), rows.end());
    return rows;
}

std::unique_ptr<CPrintData> CPrintDataListCtrl::MakeEntry(const std::string& path, const CFormatTable& formats) const
{
    auto entry = std::make_unique<CPrintData>();
    if (!entry->SetFile(path, formats))
        return nullptr;
    entry->SetCopies(m_host->DefaultCopies());
    return entry;
}

void CPrintDataListCtrl::AddFilesAtOldEnd(const std::vector<std::string>& paths)
{
    const CFormatTable formats = CFormatTable::Load();
    CPrintJob& job = m_model->GetJob();
    const int position = job.GetCount();
    for (const std::string& path : paths)
        if (auto entry = MakeEntry(path, formats))
            job.InsertAt(position, std::move(entry));
    m_model->UpdateRowCount();
}

void CPrintDataListCtrl::AppendFiles(const std::vector<std::string>& paths)
{
    const CFormatTable formats = CFormatTable::Load();
    CPrintJob& job = m_model->GetJob();
    for (const std::string& path : paths)
        if (auto entry = MakeEntry(path, formats))
            job.InsertAt(job.GetCount(), std::move(entry));
    m_model->UpdateRowCount();
}

void CPrintDataListCtrl::AddFolder(const std::string& folder)
{
    QElapsedTimer sincePaint;
    sincePaint.start();
    // User input waits until the search is over, so nothing changes the
    // list under it.
    const std::vector<std::string> files = CFolderFiles::Collect(folder, [&sincePaint] {
        if (sincePaint.elapsed() >= kPaintIntervalMs) {
            QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
            sincePaint.restart();
        }
    });
    setEnabled(false);
    {
        CWaitCursor wait;
        AppendFiles(files);
    }
    setEnabled(true);
}

void CPrintDataListCtrl::AddPaths(const QStringList& paths)
{
    namespace fs = std::filesystem;
    for (const QString& path : paths) {
        const std::string local = QFile::encodeName(path).toStdString();
        std::error_code error;
        const fs::file_status status = fs::status(local, error);
        if (error || !fs::exists(status))
            continue;
        if (fs::is_directory(status))
            AddFolder(local);
        else
            AppendFiles({local});
    }
}

void CPrintDataListCtrl::OnCellDoubleClick(const QModelIndex& index)
{
    if (index.column() == CPrintDataModel::kDataFormat)
        EditFormat(index);
    else if (index.column() == CPrintDataModel::kCopies)
        EditCopies(index);
}

void CPrintDataListCtrl::EditFormat(const QModelIndex& index)
{
    m_editedRow = index.row();
    std::vector<std::string> formats;
    CExtensionConfig::LoadDataFormats(formats);
    m_formatChooser->clear();
    for (const std::string& format : formats)
        m_formatChooser->addItem(QString::fromStdString(format));
    const int current = m_formatChooser->findText(index.data().toString(), Qt::MatchExactly | Qt::MatchCaseSensitive);
    m_formatChooser->setCurrentIndex(std::max(current, 0));
    const QRect cell = visualRect(index);
    m_formatChooser->setGeometry(cell.left(), cell.top(), cell.width(), cell.height());
    m_formatChooser->show();
    m_formatChooser->setFocus();
}

void CPrintDataListCtrl::EditCopies(const QModelIndex& index)
{
    m_editedRow = index.row();
    m_copiesEditor->SetText(index.data().toString());
    const QRect cell = visualRect(index);
    m_copiesEditor->setGeometry(cell.left(), cell.top(), cell.width(),
                                std::max(cell.height(), m_copiesEditor->minimumSizeHint().height()));
    m_copiesEditor->show();
    m_copiesEditor->setFocus();
    m_copiesEditor->selectAll();
}

void CPrintDataListCtrl::CommitCopies()
{
    if (!m_copiesEditor || m_copiesEditor->isHidden() || m_committing)
        return;
    QScopedValueRollback<bool> committing(m_committing, true);
    int copies = m_copiesEditor->Text().toInt();
    if (copies == 0) {
        copies = 1;
        m_copiesEditor->SetText("1");
        CMessageService::Show(kCopiesOutOfRange);
    }
    const QModelIndex cell = m_model->index(m_editedRow, CPrintDataModel::kCopies);
    if (cell.isValid()) {
        if (QString::number(copies) != cell.data().toString() && m_host->IsSameCopies()) {
            CMessageService::Show(kSameCopiesCancelled);
            m_host->CancelSameCopies();
        }
        m_model->setData(cell, copies, Qt::EditRole);
    }
    if (m_copiesEditor->hasFocus())
        setFocus();
    m_copiesEditor->hide();
}

void CPrintDataListCtrl::CommitFormat()
{
    if (!m_formatChooser || m_formatChooser->isHidden() || m_committing)
        return;
    QScopedValueRollback<bool> committing(m_committing, true);
    // Without any data format to choose from the entry keeps its own.
    const QString format = m_formatChooser->currentText();
    if (!format.isEmpty())
        m_model->setData(m_model->index(m_editedRow, CPrintDataModel::kDataFormat), format, Qt::EditRole);
    if (m_formatChooser->hasFocus())
        setFocus();
    m_formatChooser->hide();
}

void CPrintDataListCtrl::changeEvent(QEvent* event)
{
    QTableView::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        verticalHeader()->setDefaultSectionSize(fontMetrics().height() + kRowPadding);
}

void CPrintDataListCtrl::scrollContentsBy(int dx, int dy)
{
    CommitCopies();
    CommitFormat();
    QTableView::scrollContentsBy(dx, dy);
}

void CPrintDataListCtrl::dragEnterEvent(QDragEnterEvent* event)
{
    dragMoveEvent(event);
}

void CPrintDataListCtrl::dragMoveEvent(QDragMoveEvent* event)
{
    if (event->mimeData()->hasUrls())
        event->acceptProposedAction();
    else
        event->ignore();
}

void CPrintDataListCtrl::dropEvent(QDropEvent* event)
{
    QStringList paths;
    for (const QUrl& url : event->mimeData()->urls())
        if (url.isLocalFile())
            paths.append(url.toLocalFile());
    event->acceptProposedAction();
    AddPaths(paths);
}
