#include "CListEditDelegate.h"

#include "CSDComboBoxEx.h"
#include "CSettingsGridModel.h"

#include <algorithm>

CListEditDelegate::CListEditDelegate(Choices choices, Commit commit, QObject* parent)
    : CGridCellDelegate(parent)
    , m_choices(std::move(choices))
    , m_commit(std::move(commit))
{
}

// The list takes its font from the table it sits on.
QWidget* CListEditDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                         const QModelIndex& index) const
{
    const QList<CListChoice> choices = m_choices(CSettingsGridModel::GridRow(index));
    const bool pictures =
        std::any_of(choices.begin(), choices.end(), [](const CListChoice& choice) { return !choice.picture.isNull(); });
    if (!pictures) {
        auto* list = new CSDComboBox(parent);
        for (const CListChoice& choice : choices)
            list->addItem(choice.text);
        return list;
    }
    auto* list = new CSDComboBoxEx(parent);
    for (const CListChoice& choice : choices)
        list->AddEntry(choice.picture, choice.text);
    return list;
}

void CListEditDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const
{
    if (auto* list = qobject_cast<CSDComboBox*>(editor))
        list->SelectExactly(index.data(Qt::EditRole).toString());
}

void CListEditDelegate::setModelData(QWidget* editor, QAbstractItemModel*, const QModelIndex& index) const
{
    auto* list = qobject_cast<CSDComboBox*>(editor);
    if (list && m_commit && list->currentIndex() >= 0)
        m_commit(CSettingsGridModel::GridRow(index), list->currentIndex());
}
