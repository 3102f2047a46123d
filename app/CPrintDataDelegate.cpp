#include "CPrintDataDelegate.h"

#include "CEditWithSpin.h"
#include "CExtensionConfig.h"
#include "CMessageService.h"
#include "CPrintDataModel.h"
#include "CSDComboBox.h"
#include "IPrintListHost.h"
#include "ResourceIds.h"

#include <algorithm>
#include <string>
#include <vector>

CPrintDataDelegate::CPrintDataDelegate(IPrintListHost& host, QObject* parent)
    : QStyledItemDelegate(parent)
    , m_host(host)
{
}

// The editors take the list's own font from their parent.
QWidget* CPrintDataDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                          const QModelIndex& index) const
{
    if (index.column() == CPrintDataModel::kCopies) {
        auto* edit = new CEditWithSpin(parent);
        edit->setObjectName("editCopies");
        edit->SetSpinRange(1, kMaxCopies);
        edit->setAlignment(Qt::AlignRight);
        return edit;
    }
    if (index.column() == CPrintDataModel::kDataFormat) {
        auto* chooser = new CSDComboBox(parent);
        chooser->setObjectName("comboDataFormat");
        std::vector<std::string> formats;
        CExtensionConfig::LoadDataFormats(formats);
        for (const std::string& format : formats)
            chooser->addItem(QString::fromStdString(format));
        return chooser;
    }
    return nullptr;
}

// An entry whose format is not on offer gets no choice made for it.
void CPrintDataDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const
{
    const QString text = index.data(Qt::EditRole).toString();
    if (auto* edit = qobject_cast<CEditWithSpin*>(editor)) {
        edit->SetText(text);
        edit->selectAll();
    } else if (auto* chooser = qobject_cast<CSDComboBox*>(editor)) {
        chooser->SelectExactly(text);
    }
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
    int copies = edit->Text().toInt();
    if (copies == 0) {
        copies = 1;
        edit->SetText("1");
        CMessageService::Show(ResId::kCopiesOutOfRangeMessage);
    }
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

// Over the cell, and never lower than the edit needs.
void CPrintDataDelegate::updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                                              const QModelIndex&) const
{
    const QRect cell = option.rect;
    editor->setGeometry(cell.left(), cell.top(), cell.width(),
                        std::max(cell.height(), editor->minimumSizeHint().height()));
}
