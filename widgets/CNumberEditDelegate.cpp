#include "CNumberEditDelegate.h"

#include "CEditWithSpin.h"
#include "CSettingsGridModel.h"

#include <QTimer>

CNumberEditDelegate::CNumberEditDelegate(int lower, int upper, Validator validator, QObject* parent)
    : CGridCellDelegate(parent)
    , m_lower(lower)
    , m_upper(upper)
    , m_validator(std::move(validator))
{
}

bool CNumberEditDelegate::Accepts(QWidget* editor, const QModelIndex& index) const
{
    auto* edit = qobject_cast<CEditWithSpin*>(editor);
    if (!edit || !m_validator || m_validator(CSettingsGridModel::GridRow(index), edit->Text()))
        return true;
    // Once the focus change under way, which clears the selection, is over.
    QTimer::singleShot(0, edit, [edit] {
        edit->setFocus();
        edit->selectAll();
    });
    return false;
}

// The editor takes its font from the table it sits on.
QWidget* CNumberEditDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex&) const
{
    auto* edit = new CEditWithSpin(parent);
    edit->SetSpinRange(m_lower, m_upper);
    edit->setAlignment(Qt::AlignRight);
    return edit;
}

void CNumberEditDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const
{
    if (auto* edit = qobject_cast<CEditWithSpin*>(editor)) {
        edit->SetText(index.data(Qt::EditRole).toString());
        edit->selectAll();
    }
}

void CNumberEditDelegate::setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const
{
    if (auto* edit = qobject_cast<CEditWithSpin*>(editor))
        model->setData(index, edit->Text(), Qt::EditRole);
}
