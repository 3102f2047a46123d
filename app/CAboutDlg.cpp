#include "CAboutDlg.h"

#include "ui_CAboutDlg.h"

#include "CMessageService.h"
#include "CProgramVersion.h"
#include "CResourceImages.h"
#include "CSendoraApp.h"
#include "ResourceIds.h"

namespace {
constexpr int kIconSize = 32;
}

CAboutDlg::CAboutDlg(const CSendoraApp& app, QWidget* parent)
    : QDialog(parent)
    , m_ui(std::make_unique<Ui::CAboutDlg>())
{
    m_ui->setupUi(this);
    const QIcon icon = CResourceImages::Icon(ResId::kIcon);
    setWindowIcon(icon);
    app.LocaliseWindow(*this);
    m_ui->labelIcon->setPixmap(icon.pixmap(kIconSize));
    m_ui->labelVersion->setText(VersionText());
    connect(m_ui->buttonOk, &QPushButton::clicked, this, &QDialog::accept);
}

CAboutDlg::~CAboutDlg() = default;

// The version text falls back to the first release's numbers, which the
// about box must not pass off as the program's.
QString CAboutDlg::VersionText()
{
    if (!CProgramVersion::GetProgramVersion())
        return {};
    return QString::fromStdString(CMessageService::Format(ResId::kAboutVersionText, CProgramVersion::GetVersionText()));
}
