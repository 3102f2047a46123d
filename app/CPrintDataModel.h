#pragma once

#include "CPlotSize.h"

#include <QAbstractTableModel>

class CPlotSizes;
class CPrintData;
class CPrintJob;

// The print job as a table: file name, data format, copies and drawing
// size of each entry, read from the job whenever the view asks. The model
// keeps no copy of the entries, only the row count the view was last told;
// the sizes are read off this thread and fill the column as they arrive.
class CPrintDataModel : public QAbstractTableModel {
    Q_OBJECT

public:
    enum EColumn { kFileName, kDataFormat, kCopies, kSize, kColumnCount };

    explicit CPrintDataModel(CPrintJob& job, QObject* parent = nullptr);

    CPrintJob& GetJob() const { return m_job; }
    CPlotSizes& Sizes() const { return *m_sizes; }
    CPlotSize::Unit GetSizeUnit() const { return m_sizeUnit; }
    void SetSizeUnit(CPlotSize::Unit unit);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    // Data format (text) and copies (number) of an entry.
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

    // Tells the view about entries that were appended to the job or taken
    // from its end; the sizes of new entries are asked for in list order.
    void UpdateRowCount();
    void DeleteRow(int row);
    void DeleteAll();
    // Exchanges the entries of row and row + 1.
    void SwapWithNext(int row);
    void RowChanged(int row);
    void AllRowsChanged();

private:
    void RequestSizes(int from, int to) const;
    QString SizeText(const CPrintData& entry) const;
    QString SizeToolTip(const CPrintData& entry) const;
    void SizeColumnChanged();

    CPrintJob& m_job;
    int m_rowCount = 0;
    CPlotSizes* m_sizes;
    CPlotSize::Unit m_sizeUnit = CPlotSize::Unit::Millimetres;
};
