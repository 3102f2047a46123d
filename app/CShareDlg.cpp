#include "CShareDlg.h"

#include "CMessageService.h"
#include "CPrinterAppRunner.h"
#include "CPrinterAppSocket.h"
#include "CResourceModule.h"
#include "ResourceIds.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {
QString ResourceString(unsigned id)
{
    return QString::fromStdString(CResourceModule::LoadString(id));
}

template <typename Widget>
Widget* Named(Widget* widget, const char* name)
{
    widget->setObjectName(name);
    return widget;
}
}

CShareDlg::CShareDlg(const QString& program, const CSendChoices& current,
                     const std::vector<std::string>& printerNames, const std::vector<std::string>& settingNames,
                     QWidget* parent)
    : QDialog(parent)
    , m_keywords(settingNames)
    , m_runner(new CPrinterAppRunner(program, this))
    , m_queues(Named(new QListWidget(this), "listQueues"))
    , m_status(Named(new QLabel(this), "labelStatus"))
    , m_printer(Named(new QComboBox(this), "comboPrinter"))
    , m_number(Named(new QSpinBox(this), "spinNumber"))
    , m_setting(Named(new QComboBox(this), "comboSetting"))
    , m_queueName(Named(new QLineEdit(this), "editQueueName"))
    , m_add(Named(new QPushButton(ResourceString(ResId::kShareAddButton), this), "buttonAdd"))
{
    setWindowTitle(ResourceString(ResId::kShareTitle));
    BuildControls(current, printerNames);
    connect(m_runner, &CPrinterAppRunner::Finished, this, &CShareDlg::OnFinished);
    Refresh();
}

void CShareDlg::BuildControls(const CSendChoices& current, const std::vector<std::string>& printerNames)
{
    m_printer->setEditable(true);
    for (const std::string& name : printerNames)
        m_printer->addItem(QString::fromStdString(name));
    m_printer->setEditText(QString::fromStdString(current.printerName));
    m_number->setRange(0, 99);
    m_number->setValue(current.printerNumber);
    for (const auto& entry : m_keywords.Entries())
        m_setting->addItem(QString::fromStdString(entry.name), QString::fromStdString(entry.keyword));
    m_setting->setCurrentIndex(std::max(0, m_setting->findText(QString::fromStdString(current.setting))));
    m_status->setWordWrap(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(ResourceString(ResId::kShareQueuesLabel), this));
    layout->addWidget(m_queues);
    layout->addLayout(BuildChoices());
    layout->addWidget(m_status);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_add, &QPushButton::clicked, this, &CShareDlg::OnAdd);
    connect(m_printer, &QComboBox::currentTextChanged, this, &CShareDlg::SuggestQueueName);
    connect(m_setting, &QComboBox::currentIndexChanged, this, &CShareDlg::SuggestQueueName);
    connect(m_queueName, &QLineEdit::textChanged, this, &CShareDlg::UpdateAdd);
    SuggestQueueName();
}

QLayout* CShareDlg::BuildChoices()
{
    auto* form = new QFormLayout;
    form->addRow(ResourceString(ResId::kSharePrinterLabel), m_printer);
    form->addRow(ResourceString(ResId::kShareNumberLabel), m_number);
    form->addRow(ResourceString(ResId::kShareSettingLabel), m_setting);
    form->addRow(ResourceString(ResId::kShareQueueLabel), m_queueName);
    form->addRow(QString(), m_add);
    return form;
}

// One queue per printer and setting, named after both, as clients that
// cannot pick a setting need.
void CShareDlg::SuggestQueueName()
{
    const std::string printer = CSettingKeywords::KeywordOf(m_printer->currentText().trimmed().toStdString());
    m_queueName->setText(QString::fromStdString(printer) + "-" + m_setting->currentData().toString());
}

bool CShareDlg::ServerAnswers()
{
    if (CPrinterAppSocket::ServerAnswers())
        return true;
    ShowStatus(CResourceModule::LoadString(ResId::kShareNoServerMessage));
    UpdateAdd();
    return false;
}

void CShareDlg::Refresh()
{
    if (!ServerAnswers())
        return;
    m_step = Step::List;
    m_runner->Run({{"printers"}});
    UpdateAdd();
}

void CShareDlg::OnAdd()
{
    const QString name = m_queueName->text().trimmed();
    if (name.isEmpty() || m_runner->IsBusy() || !ServerAnswers())
        return;
    const QString device = "qxftp://" + m_printer->currentText().trimmed() + "/" + QString::number(m_number->value());
    m_step = Step::Add;
    m_added = name;
    ShowStatus(CResourceModule::LoadString(ResId::kShareAddingText));
    m_runner->Run({{"add", "-d", name, "-v", device, "-m", "auto"},
                   {"modify", "-d", name, "-o", "qxsendora-setting-default=" + m_setting->currentData().toString()}});
    UpdateAdd();
}

void CShareDlg::OnFinished(bool ok, const QString& output)
{
    if (m_step == Step::Add) {
        const unsigned id = ok ? ResId::kShareAddedMessage : ResId::kShareRefusedMessage;
        ShowStatus(CMessageService::Format(id, (ok ? m_added : output).toStdString()));
        Refresh();
        return;
    }
    if (!ok)
        ShowStatus(CMessageService::Format(ResId::kShareRefusedMessage, output.toStdString()));
    m_queues->clear();
    if (ok && !output.isEmpty())
        m_queues->addItems(output.split('\n'));
    UpdateAdd();
}

void CShareDlg::ShowStatus(const std::string& text)
{
    m_status->setText(QString::fromStdString(text));
}

void CShareDlg::UpdateAdd()
{
    m_add->setEnabled(!m_runner->IsBusy() && !m_queueName->text().trimmed().isEmpty() &&
                      CPrinterAppSocket::ServerAnswers());
}
