#pragma once

#include <QPersistentModelIndex>
#include <QPointer>
#include <QTableView>

// A table whose cells are edited in place: a double-click or F2 opens the
// cell's editor (its delegate decides whether the cell has one); Enter,
// losing the focus or scrolling the table stores the value, Escape drops
// it. Tab leaves the table, from an editor too. An editor whose delegate
// (a CCheckedDelegate) refuses the value stays open with the focus.
class CInPlaceTableView : public QTableView {
    Q_OBJECT

public:
    explicit CInPlaceTableView(QWidget* parent = nullptr);

    // The editor open on a cell, or none.
    QWidget* OpenEditor() const;
    // Opening an editor by program stays public beside the override below.
    using QTableView::edit;

protected:
    bool edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void commitData(QWidget* editor) override;
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;

private:
    // Stores and closes the open editor, if any.
    void CommitEditor();
    bool Accepts(QWidget* editor);

    QPersistentModelIndex m_editing;
    // The editor being checked, or refused by the user action in progress:
    // no second check (and message) for the same action, and no closing.
    QPointer<QWidget> m_held;
};
