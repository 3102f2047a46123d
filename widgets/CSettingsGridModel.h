#pragma once

#include <QAbstractTableModel>
#include <QColor>
#include <QIcon>
#include <QStringList>

#include <vector>

// The cells of a settings grid: text, colours and picture of each cell and
// the header texts. Column 0 is never editable; the other columns are, as
// far as their delegate offers an editor. Model rows are the data rows:
// grid row r is model row r - 1.
class CSettingsGridModel : public QAbstractTableModel {
    Q_OBJECT

public:
    using QAbstractTableModel::QAbstractTableModel;

    // The grid row of a model index (data rows count from 1).
    static int GridRow(const QModelIndex& index) { return index.row() + 1; }

    // Empties every cell and header and sets the number of data rows and
    // columns.
    void SetShape(int dataRows, int columns);
    // Empties every cell and header, keeping the shape.
    void Clear();
    void SetHeaderText(int column, const QString& text);
    void SetColours(const QModelIndex& index, const QColor& background, const QColor& text);
    void SetPicture(const QModelIndex& index, const QIcon& picture);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

private:
    struct CCell {
        QString text;
        QColor background;
        QColor foreground;
        QIcon picture;
    };

    CCell& CellAt(const QModelIndex& index);
    const CCell& CellAt(const QModelIndex& index) const;

    int m_columns = 0;
    std::vector<CCell> m_cells;
    QStringList m_headers;
};
