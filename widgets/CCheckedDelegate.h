#pragma once

#include <QStyledItemDelegate>

// A delegate whose editor's value is checked before it is stored; a
// CInPlaceTableView asks before every store.
class CCheckedDelegate : public QStyledItemDelegate {
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;

    // Whether the editor's value may be stored. A refusal has told the user
    // why and has given the editor back the focus.
    virtual bool Accepts(QWidget* editor, const QModelIndex& index) const;
};
