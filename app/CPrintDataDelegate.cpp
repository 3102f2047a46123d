#include "CPrintDataDelegate.h"

#include "CEditWithSpin.h"
#include "CExtensionConfig.h"
#include "CMessageService.h"
#include "CPrintDataModel.h"
#include "CSDComboBox.h"
#include "CTextFields.h"
#include "IPrintListHost.h"
#include "ResourceIds.h"

#include <string>
#include <vector>

namespace {
QList<CListChoice> DataFormats(int)
{
    std::vector<std::string> formats;
    CExtensionConfig::LoadDataFormats(formats);
    QList<CListChoice> choices;
    for (const std::string& format : formats)
        choices.append({QString::fromStdString(format), {}});
    return choices;
}

bool CopiesInRange(int, const QString& text)
{
    if (CTextFields::IsNumberIn(text.toStdString(), 1, CPrintDataDelegate::kMaxCopies))
        return true;
    CMessageService::Show(ResId::kCopiesOutOfRangeMessage);
    return false;
}
}

// The values are stored by the list's own rules, not by the shared editors.
CPrintDataDelegate::CPrintDataDelegate(IPrintListHost& host, QObject* parent)
    : CCheckedDelegate(parent)
    , m_host(host)
    , m_copies(1, kMaxCopies, &CopiesInRange)
    , m_formats(&DataFormats, {})
{
}

bool CPrintDataDelegate::Accepts(QWidget* editor, const QModelIndex& index) const
{
    const CGridCellDelegate* shared = EditorOf(index);
    return !shared || shared->Accepts(editor, index);
}

const CGridCellDelegate* CPrintDataDelegate::EditorOf(const QModelIndex& index) const
{
    if (index.column() == CPrintDataModel::kCopies)
        return &m_copies;
    if (index.column() == CPrintDataModel::kDataFormat)
        return &m_formats;
    return nullptr;
}

QWidget* CPrintDataDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                          const QModelIndex& index) const
{
    const CGridCellDelegate* editor = EditorOf(index);
    return editor ? editor->createEditor(parent, option, index) : nullptr;
}

// An entry whose format is not on offer gets no choice made for it.
void CPrintDataDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const
{
    if (const CGridCellDelegate* shared = EditorOf(index))
        shared->setEditorData(editor, index);
}

void CPrintDataDelegate::setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const
{
    if (index.column() == CPrintDataModel::kCopies)
        SetCopies(editor, model, index);
    else if (index.column() == CPrintDataModel::kDataFormat)
        SetFormat(editor, model, index);
}

void CPrintDataDelegate::SetCopies(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const
{
    auto* edit = qobject_cast<CEditWithSpin*>(editor);
    if (!edit)
        return;
    const int copies = edit->Text().toInt();
    if (QString::number(copies) != index.data().toString() && m_host.IsSameCopies()) {
        CMessageService::Show(ResId::kSameCopiesOffMessage);
        m_host.CancelSameCopies();
    }
    model->setData(index, copies, Qt::EditRole);
}

void CPrintDataDelegate::SetFormat(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const
{
    auto* chooser = qobject_cast<CSDComboBox*>(editor);
    if (chooser && chooser->currentIndex() >= 0)
        model->setData(index, chooser->currentText(), Qt::EditRole);
}

void CPrintDataDelegate::updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                                              const QModelIndex& index) const
{
    m_copies.updateEditorGeometry(editor, option, index);
}
