#pragma once

#include <QAbstractItemView>
#include <QTest>

// The events of a real double-click on a cell: QTest::mouseDClick sends only
// the last, and a view opens an editor only after the press before it.
inline void DoubleClickCell(QAbstractItemView& view, const QModelIndex& index)
{
    const QPoint at = view.visualRect(index).center();
    QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, at);
    QTest::mousePress(view.viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(view.viewport(), Qt::LeftButton, {}, at);
    QTest::mouseRelease(view.viewport(), Qt::LeftButton, {}, at);
}
