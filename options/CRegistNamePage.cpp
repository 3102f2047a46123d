#include "CRegistNamePage.h"

#include "ui_CRegistNamePage.h"

#include "CWindowLocaliser.h"

CRegistNamePage::CRegistNamePage(CNameList list, const Captions& captions, QWidget* parent)
    : COptionsPage(parent)
    , m_list(std::move(list))
    , m_ui(std::make_unique<Ui::CRegistNamePage>())
{
    m_ui->setupUi(this);
    // One form for both lists: each page names its own texts.
    setWindowTitle(QString::number(captions.title));
    m_ui->labelList->setText(QString::number(captions.listLabel));
    m_ui->buttonAdd->setText(QString::number(captions.add));
    m_ui->buttonChange->setText(QString::number(captions.change));
    m_ui->buttonDelete->setText(QString::number(captions.remove));
    CWindowLocaliser::LocaliseWindow(*this, font());
    ConnectList(m_list, *m_ui->listNames, *m_ui->buttonAdd, *m_ui->buttonChange, *m_ui->buttonDelete);
}

CRegistNamePage::~CRegistNamePage() = default;
