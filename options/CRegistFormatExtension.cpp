#include "CRegistFormatExtension.h"

#include "ui_CRegistFormatExtension.h"

#include "CWindowLocaliser.h"

CRegistFormatExtension::CRegistFormatExtension(QWidget* parent)
    : COptionsPage(parent)
    , m_list(CFormatExtensionList::Load())
    , m_ui(std::make_unique<Ui::CRegistFormatExtension>())
{
    m_ui->setupUi(this);
    CWindowLocaliser::LocaliseWindow(*this, font());
    for (const std::string& format : m_list.GetFormats())
        m_ui->comboFormat->addItem(QString::fromStdString(format));
    connect(m_ui->comboFormat, &QComboBox::currentTextChanged, this, &CRegistFormatExtension::OnFormatChosen);
    ConnectList(m_list, *m_ui->listExtensions, *m_ui->buttonAdd, *m_ui->buttonChange, *m_ui->buttonDelete);
}

CRegistFormatExtension::~CRegistFormatExtension() = default;

void CRegistFormatExtension::OnFormatChosen(const QString& format)
{
    m_list.ChooseFormat(format.toStdString());
    ShowEntries(-1);
}
