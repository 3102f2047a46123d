#pragma once

#include "CHistoryRecord.h"

#include <QDialog>

#include <memory>
#include <optional>
#include <string>

namespace Ui {
class CHistoryDlg;
}
class CHistoryModel;
class CPrintDataListCtrl;
class CSendoraApp;
class IPrintListHost;

// The send history as a table, newest first, narrowed by printer and by a
// text as it is typed; a send's files that still exist and are not listed
// yet go back into the print list with their copies, as if dropped on it.
class CHistoryDlg : public QDialog {
    Q_OBJECT

public:
    CHistoryDlg(const CSendoraApp& app, CPrintDataListCtrl& list, IPrintListHost& host, QWidget* parent);
    ~CHistoryDlg() override;

    // The send whose files the list holds now, once the dialog has closed
    // with it; its printer, number, owner and setting are for the window.
    const std::optional<CHistoryRecord>& GetPutBack() const { return m_putBack; }

private:
    void FillPrinters();
    void ConnectControls();
    // After every change of the rows: the newest one selected, the text
    // of an empty table.
    void RowsChanged();
    void UpdatePutBack();
    int SelectedRow() const;
    void OnPutBack();
    bool AddToPrintList(const std::string& path, int copies);
    bool IsListed(const std::string& path) const;

    std::unique_ptr<Ui::CHistoryDlg> m_ui;
    CPrintDataListCtrl& m_list;
    IPrintListHost& m_host;
    CHistoryModel* m_model;
    std::optional<CHistoryRecord> m_putBack;
};
