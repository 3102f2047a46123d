#include "COptionsPage.h"

#include "CInputExtension.h"
#include "IRegistList.h"

#include <QAbstractButton>
#include <QListWidget>
#include <QKeyEvent>

void COptionsPage::Apply()
{
    m_list->Apply();
}

void COptionsPage::ConnectList(IRegistList& list, QListWidget& view, QAbstractButton& add, QAbstractButton& change,
                               QAbstractButton& remove)
{
    m_list = &list;
    m_view = &view;
    connect(&add, &QAbstractButton::clicked, this, &COptionsPage::OnAdd);
    connect(&change, &QAbstractButton::clicked, this, &COptionsPage::OnChange);
    connect(&remove, &QAbstractButton::clicked, this, &COptionsPage::OnDelete);
    connect(&view, &QListWidget::itemDoubleClicked, this, &COptionsPage::OnChange);
    view.installEventFilter(this);
    ShowEntries(-1);
}

void COptionsPage::ShowEntries(int row)
{
    m_view->clear();
    for (const std::string& entry : m_list->GetEntries())
        m_view->addItem(QString::fromStdString(entry));
    if (row >= 0 && row < m_view->count())
        m_view->setCurrentRow(row);
}

// The dialog stores the entry, and stays open while the list refuses it.
void COptionsPage::OnAdd()
{
    const auto add = [this](const std::string& text) { return m_list->Add(text); };
    if (CInputExtension::Ask(m_list->GetUse(), true, {}, add, this))
        Show(static_cast<int>(m_list->GetEntries().size()) - 1);
}

void COptionsPage::OnChange()
{
    const int row = SelectedRow();
    if (row < 0)
        return;
    const auto change = [this, row](const std::string& text) { return m_list->Change(row, text); };
    if (CInputExtension::Ask(m_list->GetUse(), false, m_view->item(row)->text(), change, this))
        Show(row);
}

// The entry that takes the deleted one's place is selected, so that
// deleting again goes on down the list.
void COptionsPage::OnDelete()
{
    const int row = SelectedRow();
    m_list->Delete(row);
    Show(std::min(row, static_cast<int>(m_list->GetEntries().size()) - 1));
}

bool COptionsPage::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_view && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Delete) {
        OnDelete();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

int COptionsPage::SelectedRow() const
{
    const QList<QListWidgetItem*> selected = m_view->selectedItems();
    return selected.isEmpty() ? -1 : m_view->row(selected.front());
}

void COptionsPage::Show(int row)
{
    if (m_list->IsModified())
        emit Changed();
    ShowEntries(row);
}
