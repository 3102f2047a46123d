#include "CSendFileDlg.h"

#include "ui_CSendFileDlg.h"

#include "CFtpUpload.h"
#include "CHistoryFormat.h"
#include "CResourceModule.h"
#include "CResourceImages.h"
#include "CSendoraApp.h"
#include "CTransferProgress.h"
#include "CWindowPlacement.h"
#include "ResourceIds.h"

CSendFileDlg::CSendFileDlg(const CSendoraApp& app, QWidget& owner)
    : QDialog(&owner)
    , m_ui(std::make_unique<Ui::CSendFileDlg>())
{
    m_ui->setupUi(this);
    setWindowIcon(CResourceImages::Icon(ResId::kIcon));
    app.LocaliseWindow(*this);
    CWindowPlacement::CentreOver(*this, owner);
    connect(m_ui->buttonCancel, &QPushButton::clicked, this, &CSendFileDlg::OnCancel);
    m_poll.setInterval(kPollMilliseconds);
    connect(&m_poll, &QTimer::timeout, this, &CSendFileDlg::Poll);
}

CSendFileDlg::~CSendFileDlg() = default;

void CSendFileDlg::SetMessage(const QString& text)
{
    m_ui->labelMessage->setText(text);
}

void CSendFileDlg::SetRange(std::uint64_t lower, std::uint64_t upper, std::uint64_t step)
{
    m_step = step;
    m_lower = lower;
    m_range = CProgressRange(lower, upper);
    m_range.ApplyTo(*m_ui->progressSend);
    m_ui->progressSend->setValue(m_range.Value(lower));
}

void CSendFileDlg::ShowSteps(std::uint64_t steps)
{
    const std::uint64_t room = m_range.GetUpper() - m_lower;
    const std::uint64_t moved = m_step == 0 || steps <= room / m_step ? steps * m_step : room;
    m_ui->progressSend->setValue(m_range.Value(m_lower + moved));
}

void CSendFileDlg::Complete()
{
    m_ui->progressSend->setValue(m_range.Value(m_range.GetUpper()));
}

void CSendFileDlg::Watch(std::shared_ptr<CTransferProgress> progress, const QString& caption)
{
    m_progress = std::move(progress);
    m_caption = caption;
    m_begun = false;
    m_poll.start();
}

void CSendFileDlg::Close()
{
    m_poll.stop();
    hide();
    deleteLater();
}

void CSendFileDlg::reject()
{
    if (m_ui->buttonCancel->isEnabled())
        OnCancel();
}

void CSendFileDlg::Poll()
{
    const CTransferProgress::Snapshot snapshot = m_progress->Read();
    if (!snapshot.begun)
        return;
    if (!m_begun) {
        m_begun = true;
        SetMessage(m_caption);
        SetRange(0, snapshot.totalBytes, CFtpUpload::kBlockSize);
    }
    if (snapshot.complete)
        Complete();
    else
        ShowSteps(snapshot.steps);
    ShowBytes(snapshot);
}

// On the bar, as the command line shows an upload.
void CSendFileDlg::ShowBytes(const CTransferProgress::Snapshot& snapshot)
{
    const std::uint64_t total = snapshot.totalBytes;
    const std::uint64_t sent = snapshot.complete || snapshot.steps > total / CFtpUpload::kBlockSize
                                   ? total
                                   : snapshot.steps * CFtpUpload::kBlockSize;
    const QString percent = QString::number(total == 0 ? 100 : sent * 100 / total);
    const QString text = QString::fromStdString(CResourceModule::LoadString(ResId::kUploadProgressText))
                             .arg(percent, QString::fromStdString(CHistoryFormat::Size(sent)),
                                  QString::fromStdString(CHistoryFormat::Size(total)));
    m_ui->progressSend->setFormat(text);
}

// The printer dialogue ends at once; the upload stops before its next
// block, or while it waits for the printer, and ends as finished.
void CSendFileDlg::OnCancel()
{
    if (m_progress)
        m_progress->RequestCancel();
    m_poll.stop();
    hide();
    emit CancelRequested();
}
