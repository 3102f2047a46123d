#include "CMakeSendFile.h"

#include "ui_CMakeSendFile.h"

#include "CResourceImages.h"
#include "ResourceIds.h"
#include "CSendoraApp.h"
#include "CWindowPlacement.h"

#include <QCoreApplication>

#include <algorithm>

CMakeSendFile::CMakeSendFile(const CSendoraApp& app, QWidget& owner)
    : QDialog(&owner)
    , m_ui(std::make_unique<Ui::CMakeSendFile>())
{
    m_ui->setupUi(this);
    setWindowIcon(CResourceImages::Icon(ResId::kIcon));
    app.LocaliseWindow(*this);
    CWindowPlacement::CentreOver(*this, owner);
    connect(m_ui->buttonCancel, &QPushButton::clicked, this, &CMakeSendFile::Cancel);
    show();
}

CMakeSendFile::~CMakeSendFile() = default;

void CMakeSendFile::Begin(std::uint64_t totalBytes)
{
    m_done = 0;
    m_moveBytes = std::max<std::uint64_t>(totalBytes / kBarSteps, 1);
    m_nextMove = m_moveBytes;
    m_range = CProgressRange(0, totalBytes);
    m_range.ApplyTo(*m_ui->progressBuild);
    m_ui->progressBuild->setValue(m_range.Value(0));
}

bool CMakeSendFile::IsCancelled()
{
    const auto now = std::chrono::steady_clock::now();
    if (now - m_lastEvents >= kEventInterval) {
        QCoreApplication::processEvents();
        m_lastEvents = std::chrono::steady_clock::now();
    }
    return m_cancelled;
}

void CMakeSendFile::Advance(std::uint64_t bytes)
{
    m_done += bytes;
    if (m_done < m_nextMove)
        return;
    m_nextMove = m_done + m_moveBytes;
    m_ui->progressBuild->setValue(m_range.Value(m_done));
}

void CMakeSendFile::End()
{
    m_ui->progressBuild->setValue(m_range.Value(m_done));
}

void CMakeSendFile::Cancel()
{
    m_cancelled = true;
    hide();
}

void CMakeSendFile::reject()
{
    Cancel();
}
