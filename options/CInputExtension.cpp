#include "CInputExtension.h"

#include "ui_CInputExtension.h"

#include "CMessageService.h"
#include "CResourceImages.h"
#include "CResourceModule.h"
#include "CWindowLocaliser.h"
#include "ResourceIds.h"

#include <QApplication>
#include <QKeyEvent>

CInputExtension::CInputExtension(const CRegistInput::Use& use, bool adding, const QString& text, QWidget* parent)
    : QDialog(parent)
    , m_ui(std::make_unique<Ui::CInputExtension>())
    , m_mode(use.mode)
{
    m_ui->setupUi(this);
    setWindowIcon(CResourceImages::Icon(ResId::kIcon));
    CWindowLocaliser::LocaliseWindow(*this, parent ? parent->font() : QApplication::font());
    // Only the typed key is ignored: a pasted one reaches the edit, so that
    // OK says why the text cannot be kept instead of changing it unseen.
    m_ui->editText->installEventFilter(this);
    m_ui->labelPrompt->setText(QString::fromStdString(CResourceModule::LoadString(use.promptId)));
    const std::string action = CResourceModule::LoadString(adding ? ResId::kAddingWord : ResId::kChangingWord);
    setWindowTitle(QString::fromStdString(CMessageService::Format(use.titleId, action)));
    m_ui->editText->setText(text);
    m_ui->editText->selectAll();
    m_ui->editText->setFocus();
    connect(m_ui->buttonOk, &QPushButton::clicked, this, &CInputExtension::accept);
    connect(m_ui->buttonCancel, &QPushButton::clicked, this, &CInputExtension::reject);
}

CInputExtension::~CInputExtension() = default;

QString CInputExtension::GetText() const
{
    return m_ui->editText->text();
}

std::optional<QString> CInputExtension::Ask(const CRegistInput::Use& use, bool adding, const QString& text,
                                            QWidget* parent)
{
    CInputExtension dialog(use, adding, text, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.GetText();
}

void CInputExtension::accept()
{
    if (const unsigned message = CRegistInput::RefusalMessage(m_mode, GetText().toStdString())) {
        CMessageService::Show(message);
        m_ui->editText->setFocus();
        m_ui->editText->selectAll();
        return;
    }
    QDialog::accept();
}

bool CInputExtension::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_ui->editText && event->type() == QEvent::KeyPress) {
        const std::optional<char> ignored = CRegistInput::IgnoredWhileTyping(m_mode);
        if (ignored && static_cast<QKeyEvent*>(event)->text() == QChar(*ignored))
            return true;
    }
    return QDialog::eventFilter(watched, event);
}
