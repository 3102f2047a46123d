#pragma once

#include <QWidget>

class IRegistList;
class QAbstractButton;
class QListWidget;

// A tab of the options sheet: a list with add, change and delete buttons,
// edited in memory and written only when the sheet applies the page.
class COptionsPage : public QWidget {
    Q_OBJECT

public:
    using QWidget::QWidget;

    void Apply();

signals:
    // The list differs from what was last applied.
    void Changed();

protected:
    // The view shows the list; its buttons, a double click (change) and
    // the Delete key edit it.
    void ConnectList(IRegistList& list, QListWidget& view, QAbstractButton& add, QAbstractButton& change,
                     QAbstractButton& remove);
    // Shows the list's entries with the row selected (-1 for none).
    void ShowEntries(int row);
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void OnAdd();
    void OnChange();
    void OnDelete();
    int SelectedRow() const;
    // Tells the sheet of a change and shows the entries.
    void Show(int row);

    IRegistList* m_list = nullptr;
    QListWidget* m_view = nullptr;
};
