#include "CPrintDataListCtrl.h"

#include "CFolderFiles.h"
#include "CFormatTable.h"
#include "CPrintDataDelegate.h"
#include "CPrintDataModel.h"
#include "CPrintJob.h"
#include "CResourceModule.h"
#include "CWaitCursor.h"
#include "IPrintListHost.h"
#include "ResourceIds.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QDropEvent>
#include <QElapsedTimer>
#include <QFile>
#include <QHeaderView>
#include <QMenu>
#include <QMimeData>

#include <algorithm>
#include <filesystem>

namespace {
// How long a folder search may go without letting the window paint.
constexpr qint64 kPaintIntervalMs = 50;
constexpr int kRowPadding = 8;
// The Size column fits a long size text, but never takes more than this
// share of the list from the other columns.
constexpr const char* kLongSizeText = "1189 \u00d7 1682 mm (2A0)";
constexpr int kMaxSizePercent = 35;
// Room for the sizes, where the screen has it.
constexpr int kPreferredWidth = 600;
}

CPrintDataListCtrl::CPrintDataListCtrl(QWidget* parent)
    : CInPlaceTableView(parent)
{
    setSelectionBehavior(SelectRows);
    setSelectionMode(ExtendedSelection);
    setShowGrid(false);
    setWordWrap(false);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setSectionsClickable(false);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setStretchLastSection(true);
    setAcceptDrops(true);
    viewport()->setAcceptDrops(true);
}

void CPrintDataListCtrl::InitList(CPrintJob& job, IPrintListHost& host)
{
    m_host = &host;
    m_model = new CPrintDataModel(job, this);
    setModel(m_model);
    setItemDelegate(new CPrintDataDelegate(host, this));
    AddSizeUnitChoice();
    AddDeleteShortcut();
    SizeColumns();
}

// The other columns share what the sizes need as they shared the whole
// list, each at least as wide as its heading, the file names taking what
// the data format and the copies leave; the sizes, the last column, take
// the rest.
void CPrintDataListCtrl::SizeColumns()
{
    const int sizeWidth = std::min(fontMetrics().horizontalAdvance(QString::fromUtf8(kLongSizeText)) + kRowPadding,
                                   width() * kMaxSizePercent / 100);
    const int listWidth = width() - sizeWidth;
    const QHeaderView& header = *horizontalHeader();
    const int formatWidth =
        std::max(listWidth * 29 / 100, header.sectionSizeHint(CPrintDataModel::kDataFormat));
    const int copiesWidth = std::max(listWidth / 10, header.sectionSizeHint(CPrintDataModel::kCopies));
    setColumnWidth(CPrintDataModel::kFileName,
                   std::max(std::min(listWidth * 57 / 100, listWidth - formatWidth - copiesWidth),
                            header.sectionSizeHint(CPrintDataModel::kFileName)));
    setColumnWidth(CPrintDataModel::kDataFormat, formatWidth);
    setColumnWidth(CPrintDataModel::kCopies, copiesWidth);
}

QSize CPrintDataListCtrl::sizeHint() const
{
    return CInPlaceTableView::sizeHint().expandedTo(minimumSize()).expandedTo({kPreferredWidth, 0});
}

void CPrintDataListCtrl::AddSizeUnitChoice()
{
    m_inchesAction = new QAction(QString::fromStdString(CResourceModule::LoadString(ResId::kSizesInInchesItem)), this);
    m_inchesAction->setObjectName("actionSizesInInches");
    m_inchesAction->setCheckable(true);
    connect(m_inchesAction, &QAction::toggled, this, [this](bool inches) {
        m_model->SetSizeUnit(inches ? CPlotSize::Unit::Inches : CPlotSize::Unit::Millimetres);
    });
    horizontalHeader()->setContextMenuPolicy(Qt::ActionsContextMenu);
    horizontalHeader()->addAction(m_inchesAction);
}

// Only while the list itself has the focus: in an editor, Delete edits.
void CPrintDataListCtrl::AddDeleteShortcut()
{
    auto* deleteSelected = new QAction(this);
    deleteSelected->setShortcut(QKeySequence::Delete);
    deleteSelected->setShortcutContext(Qt::WidgetShortcut);
    addAction(deleteSelected);
    connect(deleteSelected, &QAction::triggered, this, &CPrintDataListCtrl::DeleteSelected);
}

bool CPrintDataListCtrl::IsSizesInInches() const
{
    return m_inchesAction->isChecked();
}

void CPrintDataListCtrl::SetSizesInInches(bool inches)
{
    m_inchesAction->setChecked(inches);
}

std::vector<int> CPrintDataListCtrl::SelectedRows() const
{
    std::vector<int> rows;
    for (const QModelIndex& index : selectionModel()->selectedRows())
        rows.push_back(index.row());
    std::sort(rows.begin(), rows.end());
    return rows;
}

int CPrintDataListCtrl::PreviewRow() const
{
    const QModelIndex current = selectionModel()->currentIndex();
    if (current.isValid() && selectionModel()->isRowSelected(current.row()))
        return current.row();
    const std::vector<int> rows = SelectedRows();
    return rows.empty() ? -1 : rows.front();
}

// The entry after the first one deleted takes the selection, so that
// Delete pressed again goes on down the list.
void CPrintDataListCtrl::DeleteSelected()
{
    const std::vector<int> selected = SelectedRows();
    if (selected.empty())
        return;
    for (auto rows = selected; !rows.empty(); rows = SelectedRows())
        m_model->DeleteRow(rows.front());
    const int row = std::min(selected.front(), m_model->rowCount() - 1);
    if (row >= 0)
        selectionModel()->setCurrentIndex(m_model->index(row, 0),
                                          QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

void CPrintDataListCtrl::MoveSelectionUp()
{
    const std::vector<int> rows = SelectedRows();
    if (rows.empty() || rows.front() == 0)
        return;
    for (const int row : rows)
        MoveRow(row, row - 1);
    m_model->UpdateRowCount();
}

void CPrintDataListCtrl::MoveSelectionDown()
{
    const int count = m_model->rowCount();
    if (count == 0 || selectionModel()->isRowSelected(count - 1))
        return;
    for (int row = count - 2; row >= 0; --row)
        if (selectionModel()->isRowSelected(row))
            MoveRow(row, row + 1);
    m_model->UpdateRowCount();
}

// The entry moves to a neighbouring row and takes the selection and the
// focus with it.
void CPrintDataListCtrl::MoveRow(int from, int to)
{
    m_model->SwapWithNext(std::min(from, to));
    QItemSelectionModel& selection = *selectionModel();
    selection.select(m_model->index(to, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
    selection.setCurrentIndex(m_model->index(to, 0), QItemSelectionModel::NoUpdate);
    selection.select(m_model->index(from, 0), QItemSelectionModel::Deselect | QItemSelectionModel::Rows);
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

void CPrintDataListCtrl::changeEvent(QEvent* event)
{
    CInPlaceTableView::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        verticalHeader()->setDefaultSectionSize(fontMetrics().height() + kRowPadding);
}

// Also from the keyboard's menu key. The window's own commands follow, as
// its context menu elsewhere offers them.
void CPrintDataListCtrl::contextMenuEvent(QContextMenuEvent* event)
{
    if (!m_inchesAction) {
        CInPlaceTableView::contextMenuEvent(event);
        return;
    }
    QMenu menu(this);
    menu.addAction(m_inchesAction);
    if (const QList<QAction*> commands = window()->actions(); !commands.isEmpty()) {
        menu.addSeparator();
        menu.addActions(commands);
    }
    menu.exec(event->globalPos());
}

void CPrintDataListCtrl::resizeEvent(QResizeEvent* event)
{
    CInPlaceTableView::resizeEvent(event);
    if (m_model)
        SizeColumns();
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
