#pragma once

#include "CCheckedDelegate.h"

// Draws the cells of a settings grid and places in-place editors; opens no
// editor itself. A cell with a picture shows the picture alone, centred on
// white (its text stays readable through the grid); cells of column 0 have
// the header's look unless given a background. Editor delegates derive
// from it.
class CGridCellDelegate : public CCheckedDelegate {
    Q_OBJECT

public:
    using CCheckedDelegate::CCheckedDelegate;

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    // Over the cell, and never lower than the editor needs.
    void updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const override;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;
};
