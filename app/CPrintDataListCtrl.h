#pragma once

#include "CInPlaceTableView.h"

#include <QStringList>

#include <memory>
#include <string>
#include <vector>

class CFormatTable;
class QAction;
class CPrintData;
class CPrintDataModel;
class CPrintJob;
class IPrintListHost;

// The print list of the main window: one row per entry of the main job.
// A double-click or F2 on the data format or the copies puts an editor over
// the cell (see CInPlaceTableView). Files and folders dropped on the list
// are added to the job. The context menus of the list and of its headings
// switch the sizes between millimetres and inches.
class CPrintDataListCtrl : public CInPlaceTableView {
    Q_OBJECT

public:
    explicit CPrintDataListCtrl(QWidget* parent = nullptr);

    // Columns sized from the present width, full-row selection, the
    // in-place editors.
    void InitList(CPrintJob& job, IPrintListHost& host);
    CPrintDataModel& Model() const { return *m_model; }
    // Selected rows in ascending order.
    std::vector<int> SelectedRows() const;
    // The current row when selected, else the first selected one; -1 for none.
    int PreviewRow() const;
    bool IsSizesInInches() const;
    void SetSizesInInches(bool inches);
    // Never below the minimum size, which a splitter would otherwise give
    // to the pane beside the list.
    QSize sizeHint() const override;

    // Binds each file to a new entry with the default copies and inserts it
    // where the list ended before the call, so that the batch follows the
    // old entries in reverse order. Files that cannot become entries are
    // left out (the entry has told why).
    void AddFilesAtOldEnd(const std::vector<std::string>& paths);
    // The same, appending in the given order.
    void AppendFiles(const std::vector<std::string>& paths);
    // Appends every file under the folder, in the order found, keeping the
    // window painted during a long search.
    void AddFolder(const std::string& folder);
    // Folders and files, as dropped: each folder's files, then each file,
    // at the end of the list. Paths that do not exist are skipped.
    void AddPaths(const QStringList& paths);
    // Then selects the entry that followed the first one deleted, else the
    // last entry.
    void DeleteSelected();
    // The selected entries move one row, unless one of them is already at
    // that end of the list, and take the selection with them.
    void MoveSelectionUp();
    void MoveSelectionDown();

protected:
    void changeEvent(QEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void SizeColumns();
    void AddSizeUnitChoice();
    void AddDeleteShortcut();
    void MoveRow(int from, int to);
    std::unique_ptr<CPrintData> MakeEntry(const std::string& path, const CFormatTable& formats) const;

    CPrintDataModel* m_model = nullptr;
    IPrintListHost* m_host = nullptr;
    QAction* m_inchesAction = nullptr;
};
