#pragma once

#include "CListEditDelegate.h"
#include "CNumberEditDelegate.h"

class IPrintListHost;

// The in-place editors of the print list: a numeric edit for the copies and
// a drop-down list of the data formats. Losing the focus or Enter stores the
// value, Escape drops it. Copies out of their range are refused with a
// message, the edit staying open; copies of one entry changed while one
// number applies to all end that choice.
class CPrintDataDelegate : public CCheckedDelegate {
    Q_OBJECT

public:
    static constexpr int kMaxCopies = 99;

    CPrintDataDelegate(IPrintListHost& host, QObject* parent = nullptr);

    bool Accepts(QWidget* editor, const QModelIndex& index) const override;
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
