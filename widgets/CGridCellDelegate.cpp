#include "CGridCellDelegate.h"

#include <QPainter>

#include <algorithm>

QWidget* CGridCellDelegate::createEditor(QWidget*, const QStyleOptionViewItem&, const QModelIndex&) const
{
    return nullptr;
}

void CGridCellDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    const QIcon picture = index.data(Qt::DecorationRole).value<QIcon>();
    if (picture.isNull()) {
        QStyledItemDelegate::paint(painter, option, index);
        return;
    }
    painter->fillRect(option.rect, Qt::white);
    picture.paint(painter, option.rect, Qt::AlignCenter);
}

void CGridCellDelegate::initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const
{
    QStyledItemDelegate::initStyleOption(option, index);
    if (index.column() == 0 && option->backgroundBrush.style() == Qt::NoBrush)
        option->backgroundBrush = option->palette.button();
}

void CGridCellDelegate::updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                                             const QModelIndex&) const
{
    const QRect cell = option.rect;
    editor->setGeometry(cell.left(), cell.top(), cell.width(),
                        std::max(cell.height(), editor->minimumSizeHint().height()));
}
