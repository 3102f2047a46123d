#include "CInputExtension.h"

#include "ui_CInputExtension.h"

#include "CMessageService.h"
#include "CResourceImages.h"
#include "CResourceModule.h"
#include "CWindowLocaliser.h"
#include "ResourceIds.h"

#include <QApplication>
#include <QKeyEvent>

CInputExtension::CInputExtension(const CRegistInput::Use& use, bool adding, const QString& text, Store store,
                                 QWidget* parent)
    : QDialog(parent)
    , m_ui(std::make_unique<Ui::CInputExtension>())
    , m_mode(use.mode)
    , m_store(std::move(store))
{
    m_ui->setupUi(this);
    setWindowIcon(CResourceImages::Icon(ResId::kIcon));
    CWindowLocaliser::LocaliseWindow(*this, parent ? parent->font() : QApplication::font());
    // Only typed keys are ignored: a pasted text reaches the edit whole, so
    // that OK says why it cannot be kept instead of changing it unseen.
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

bool CInputExtension::Ask(const CRegistInput::Use& use, bool adding, const QString& text, Store store,
                          QWidget* parent)
{
    CInputExtension dialog(use, adding, text, std::move(store), parent);
    return dialog.exec() == QDialog::Accepted;
}

void CInputExtension::accept()
{
    const std::string text = GetText().toStdString();
    CRegistInput::Refusal refusal{CRegistInput::RefusalMessage(m_mode, CRegistInput::Trimmed(text)), {}};
    if (refusal.id == 0 && m_store)
        refusal = m_store(text);
    if (refusal.id != 0) {
        CMessageService::Show(refusal.id, refusal.argument);
        m_ui->editText->setFocus();
        m_ui->editText->selectAll();
        return;
    }
    QDialog::accept();
}

bool CInputExtension::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_ui->editText && event->type() == QEvent::KeyPress) {
        const QString typed = static_cast<QKeyEvent*>(event)->text();
        if (typed.size() == 1 && typed.front().unicode() < 0x80 &&
            CRegistInput::RefusedCharacters(m_mode).find(typed.front().toLatin1()) != std::string::npos)
            return true;
    }
    return QDialog::eventFilter(watched, event);
}
