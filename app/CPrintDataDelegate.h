#pragma once

#include "CListEditDelegate.h"
#include "CNumberEditDelegate.h"

#include <QStyledItemDelegate>

class IPrintListHost;

// The in-place editors of the print list: a numeric edit for the copies and
// a drop-down list of the data formats. Losing the focus or Enter stores the
// value, Escape drops it. Zero copies become one, with a message; copies of
// one entry changed while one number applies to all end that choice.
class CPrintDataDelegate : public QStyledItemDelegate {
    Q_OBJECT

public:
    static constexpr int kMaxCopies = 99;

    CPrintDataDelegate(IPrintListHost& host, QObject* parent = nullptr);

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;
    void updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const override;

private:
    void SetCopies(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const;
    void SetFormat(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const;
    // The shared editor of the cell's column, or none.
    const CGridCellDelegate* EditorOf(const QModelIndex& index) const;

    IPrintListHost& m_host;
    CNumberEditDelegate m_copies;
    CListEditDelegate m_formats;
};
