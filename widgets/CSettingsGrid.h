#pragma once

#include "CInPlaceTableView.h"
#include "CListEditDelegate.h"
#include "CNumberEditDelegate.h"

#include <QColor>
#include <QIcon>

#include <vector>

class CSettingsGridModel;

// The grid of a settings page, edited in place (see CInPlaceTableView).
//
// Rows: row 0 is the header row (the horizontal header); rows 1 to
// RowCount() are the data rows, so "row 1..32 = pen 1..32". Columns count
// from 0; column 0 is the fixed label column, filled by the page and never
// edited. Positions outside the grid are ignored (and read as empty).
//
// Every cell is centred. Enabled (setEnabled), the grid has the window
// background and takes input; disabled, it has the button-face background
// and ignores input.
class CSettingsGrid : public CInPlaceTableView {
    Q_OBJECT

public:
    explicit CSettingsGrid(QWidget* parent = nullptr);

    // Sets the number of data rows and of columns; every cell and header
    // is emptied.
    void SetShape(int dataRows, int columns);
    int RowCount() const;
    int ColumnCount() const;

    // Row 0 addresses the header.
    QString Text(int row, int column) const;
    void SetText(int row, int column, const QString& text);
    // Invalid colours give back the grid's own.
    void SetCellColours(int row, int column, const QColor& background, const QColor& text);
    QColor CellBackground(int row, int column) const;
    QColor CellTextColour(int row, int column) const;
    // A null picture removes it.
    void SetPicture(int row, int column, const QIcon& picture);
    QIcon Picture(int row, int column) const;
    // Empties every cell, its colours and picture, and the headers.
    void ClearCells();

    // Column widths as shares of the width inside the frame, less the
    // vertical scroll bar's width when asked (so the columns fit beside it
    // whether or not it shows); kept as the grid is resized.
    void SetColumnShares(const std::vector<double>& shares, bool lessScrollBar);
    // The height of every data row, in logical pixels.
    void SetRowHeight(int pixels);

    // In-place editors of a column (never column 0).
    void SetNumberEditor(int column, int lower, int upper, CNumberEditDelegate::Validator validator);
    void SetListEditor(int column, CListEditDelegate::Choices choices, CListEditDelegate::Commit commit);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QModelIndex IndexAt(int row, int column) const;
    void SizeColumns();

    CSettingsGridModel* m_model;
    std::vector<double> m_shares;
    bool m_lessScrollBar = false;
};
