#include "CInPlaceTableView.h"

#include "CCheckedDelegate.h"

#include <QTimer>

CInPlaceTableView::CInPlaceTableView(QWidget* parent)
    : QTableView(parent)
{
    setEditTriggers(DoubleClicked | EditKeyPressed);
    // The table sits among other controls, which Tab must reach.
    setTabKeyNavigation(false);
}

QWidget* CInPlaceTableView::OpenEditor() const
{
    return state() == EditingState ? indexWidget(m_editing) : nullptr;
}

bool CInPlaceTableView::edit(const QModelIndex& index, EditTrigger trigger, QEvent* event)
{
    const bool editing = QTableView::edit(index, trigger, event);
    if (editing && indexWidget(index))
        m_editing = index;
    return editing;
}

void CInPlaceTableView::scrollContentsBy(int dx, int dy)
{
    CommitEditor();
    QTableView::scrollContentsBy(dx, dy);
}

void CInPlaceTableView::CommitEditor()
{
    if (QWidget* editor = OpenEditor()) {
        commitData(editor);
        closeEditor(editor, QAbstractItemDelegate::NoHint);
    }
}

void CInPlaceTableView::commitData(QWidget* editor)
{
    if (Accepts(editor))
        QTableView::commitData(editor);
}

// The focus leaving for the refusal's message, and the other stores the
// same click or key asks for, neither check nor close the editor again.
bool CInPlaceTableView::Accepts(QWidget* editor)
{
    if (editor == m_held)
        return false;
    auto* delegate = qobject_cast<CCheckedDelegate*>(itemDelegateForIndex(m_editing));
    if (!delegate)
        return true;
    m_held = editor;
    const bool accepted = delegate->Accepts(editor, m_editing);
    if (accepted)
        m_held = nullptr;
    else
        QTimer::singleShot(0, this, [this] { m_held = nullptr; });
    return accepted;
}

// Tab and Shift+Tab in an editor store its value and go on to the control
// after or before the table, not to the next cell.
void CInPlaceTableView::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint)
{
    if (editor == m_held && hint != QAbstractItemDelegate::RevertModelCache)
        return;
    const bool leaving =
        hint == QAbstractItemDelegate::EditNextItem || hint == QAbstractItemDelegate::EditPreviousItem;
    QTableView::closeEditor(editor, leaving ? QAbstractItemDelegate::NoHint : hint);
    if (leaving)
        focusNextPrevChild(hint == QAbstractItemDelegate::EditNextItem);
}
