#pragma once

#include "CGridCellDelegate.h"

#include <QIcon>
#include <QList>

#include <functional>

// An entry of an in-place drop-down list: its display text, and a picture
// for lists with pictures.
struct CListChoice {
    QString text;
    QIcon picture;
};

// The drop-down in-place editor: a CSDComboBox (a CSDComboBoxEx when an
// entry has a picture) filled for the row, with the entry whose text equals
// the cell's text selected, or none. Storing hands the selected index to
// the page, which updates its rules and the cell.
class CListEditDelegate : public CGridCellDelegate {
    Q_OBJECT

public:
    // The entries offered for a grid row (data rows count from 1).
    using Choices = std::function<QList<CListChoice>(int row)>;
    // The grid row and the index of the selected entry among those offered;
    // not called while no entry is selected.
    using Commit = std::function<void(int row, int index)>;

    CListEditDelegate(Choices choices, Commit commit, QObject* parent = nullptr);

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;

private:
    Choices m_choices;
    Commit m_commit;
};
