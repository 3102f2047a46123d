#include "CHistoryDlg.h"

#include "ui_CHistoryDlg.h"

#include "CHistoryModel.h"
#include "CPrintDataListCtrl.h"
#include "CPrintDataModel.h"
#include "CPrintJob.h"
#include "CResourceModule.h"
#include "CSendHistory.h"
#include "CSendoraApp.h"
#include "IPrintListHost.h"
#include "ResourceIds.h"

#include <QHeaderView>

#include <filesystem>

namespace {
QString ResourceString(unsigned id)
{
    return QString::fromStdString(CResourceModule::LoadString(id));
}
}

CHistoryDlg::CHistoryDlg(const CSendoraApp& app, CPrintDataListCtrl& list, IPrintListHost& host, QWidget* parent)
    : QDialog(parent)
    , m_ui(std::make_unique<Ui::CHistoryDlg>())
    , m_list(list)
    , m_host(host)
    , m_model(new CHistoryModel(this))
{
    m_ui->setupUi(this);
    app.LocaliseWindow(*this);
    m_ui->tableSends->setModel(m_model);
    m_model->Load(CSendHistory::DefaultPath());
    FillPrinters();
    ConnectControls();
    // The files take the width the other columns leave, a long list elided.
    m_ui->tableSends->resizeColumnsToContents();
    m_ui->tableSends->horizontalHeader()->setSectionResizeMode(CHistoryModel::kFiles, QHeaderView::Stretch);
    RowsChanged();
    // Typing narrows the list at once, and Enter puts back the newest send left.
    m_ui->editSearch->setFocus();
}

CHistoryDlg::~CHistoryDlg() = default;

void CHistoryDlg::FillPrinters()
{
    m_ui->comboPrinter->addItem(ResourceString(ResId::kAllPrintersItem));
    for (const std::string& printer : m_model->View().GetPrinters())
        m_ui->comboPrinter->addItem(QString::fromStdString(printer));
}

// Double-click rather than activated: Enter on the table activates a row
// and then presses the default button as well.
void CHistoryDlg::ConnectControls()
{
    connect(m_ui->comboPrinter, &QComboBox::currentIndexChanged, this, [this](int index) {
        m_model->SetPrinter(index > 0 ? m_ui->comboPrinter->itemText(index).toStdString() : std::string());
        RowsChanged();
    });
    connect(m_ui->editSearch, &QLineEdit::textChanged, this, [this](const QString& text) {
        m_model->SetText(text.toStdString());
        RowsChanged();
    });
    connect(m_ui->tableSends->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &CHistoryDlg::UpdatePutBack);
    connect(m_ui->tableSends, &QAbstractItemView::doubleClicked, this, &CHistoryDlg::OnPutBack);
    connect(m_ui->buttonPutBack, &QPushButton::clicked, this, &CHistoryDlg::OnPutBack);
    connect(m_ui->buttonClose, &QPushButton::clicked, this, &QDialog::reject);
}

void CHistoryDlg::RowsChanged()
{
    if (m_model->rowCount() > 0)
        m_ui->tableSends->selectRow(0);
    const CHistoryView& view = m_model->View();
    const unsigned emptyText = !view.IsReadable()     ? ResId::kHistoryUnreadableText
                               : view.GetTotal() == 0 ? ResId::kHistoryEmptyText
                                                      : ResId::kHistoryNoMatchText;
    m_ui->labelEmpty->setText(ResourceString(emptyText));
    m_ui->labelEmpty->setVisible(view.GetCount() == 0);
    UpdatePutBack();
}

void CHistoryDlg::UpdatePutBack()
{
    const int row = SelectedRow();
    m_ui->buttonPutBack->setEnabled(row >= 0 && CHistoryView::CanPutBack(m_model->View().GetAt(row)));
}

int CHistoryDlg::SelectedRow() const
{
    const QModelIndexList rows = m_ui->tableSends->selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.front().row();
}

// The dialog stays open when none of the send's files is in the list, so
// another send can be chosen.
void CHistoryDlg::OnPutBack()
{
    const int row = SelectedRow();
    if (row < 0 || !CHistoryView::CanPutBack(m_model->View().GetAt(row)))
        return;
    // A copy: the messages about files run the event loop.
    const CHistoryRecord record = m_model->View().GetAt(row);
    const int inList = CHistoryView::PutBack(
        record, [this](const std::string& path) { return IsListed(path); },
        [this](const std::string& path, int copies) { return AddToPrintList(path, copies); });
    if (inList == 0)
        return;
    m_putBack = record;
    accept();
}

// While one number of copies applies to all, a file comes back with it,
// as any other file added.
bool CHistoryDlg::AddToPrintList(const std::string& path, int copies)
{
    CPrintDataModel& model = m_list.Model();
    const int before = model.GetJob().GetCount();
    m_list.AppendFiles({path});
    if (model.GetJob().GetCount() == before)
        return false;
    if (!m_host.IsSameCopies())
        model.setData(model.index(before, CPrintDataModel::kCopies), copies, Qt::EditRole);
    return true;
}

// The same file by another path (a link, "..") is the same file.
bool CHistoryDlg::IsListed(const std::string& path) const
{
    const CPrintJob& job = m_list.Model().GetJob();
    for (int i = 0; i < job.GetCount(); ++i) {
        std::error_code error;
        const std::string& listed = job.GetAt(i)->GetPath();
        if (listed == path || std::filesystem::equivalent(listed, path, error))
            return true;
    }
    return false;
}
