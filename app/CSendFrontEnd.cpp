#include "CSendFrontEnd.h"

#include "CCancellation.h"
#include "CMakeSendFile.h"
#include "CPrinterQueryThread.h"
#include "CResourceModule.h"
#include "CSendFileDlg.h"
#include "CSendoraApp.h"
#include "CUploadThread.h"
#include "ResourceIds.h"

#include <QWidget>

CSendFrontEnd::CSendFrontEnd(CSendoraApp& app, QWidget& window)
    : QObject(&window)
    , m_app(app)
    , m_window(window)
{
}

void CSendFrontEnd::SendList(const CSendChoices& choices)
{
    RunCommand(&CSendFrontEnd::StartList, choices);
}

void CSendFrontEnd::SendSetup(const CSendChoices& choices)
{
    RunCommand(&CSendFrontEnd::StartSetup, choices);
}

bool CSendFrontEnd::Close()
{
    if (m_commandRunning) {
        m_closeRequested = true;
        if (m_buildDialog)
            m_buildDialog->Cancel();
        if (m_dialogue)
            m_dialogue->Cancel();
        return false;
    }
    m_closeRequested = false;
    EndTransferAtClose();
    return true;
}

void CSendFrontEnd::RunCommand(bool (CSendFrontEnd::*start)(const CSendChoices&), const CSendChoices& choices)
{
    emit CommandStarted();
    m_commandRunning = true;
    m_cancelled = false;
    const bool uploading = (this->*start)(choices);
    m_commandRunning = false;
    if (!uploading)
        EndCommand();
    CloseIfDue();
}

bool CSendFrontEnd::StartList(const CSendChoices& choices)
{
    CPrintJob& job = m_app.GetMainJob();
    if (job.GetCount() == 0)
        return false;
    CSendSequence sequence(*this, {}, m_app.GetRegionCode());
    CSendSequence::Prepared prepared = sequence.PrepareListSend(job, choices);
    if (prepared.printer) {
        m_block.controllerName = prepared.printer->controllerName;
        m_block.psPdfOption = prepared.printer->psPdfOption;
    }
    return StartUpload(std::move(prepared));
}

bool CSendFrontEnd::StartSetup(const CSendChoices& choices)
{
    CSendSequence sequence(*this, {nullptr, m_block.controllerName}, m_app.GetRegionCode());
    return StartUpload(sequence.PrepareSetupSend(m_app.GetSetupJob(), choices));
}

void CSendFrontEnd::OpenProgressWindow()
{
    m_progressWindow = new CSendFileDlg(m_app, m_window);
    m_progressWindow->SetMessage(QString::fromStdString(CResourceModule::LoadString(ResId::kConnectingCaption)));
    connect(m_progressWindow, &CSendFileDlg::CancelRequested, this, [this] {
        m_cancelled = true;
        if (m_dialogue)
            m_dialogue->Cancel();
    });
    m_progressWindow->show();
}

CPrinterQuery::Outcome CSendFrontEnd::AskPrinter(const std::string& printerName, const std::string& user,
                                                 const std::string& password)
{
    OpenProgressWindow();
    CCancellation cancellation;
    m_dialogue = &cancellation;
    if (m_closeRequested)
        cancellation.Cancel();
    auto outcome = CPrinterQueryThread::Ask(printerName, user, password, cancellation);
    m_dialogue = nullptr;
    return outcome;
}

// A close or a cancel asked for during the printer dialogue ends the
// command there.
bool CSendFrontEnd::IsStillWanted()
{
    return !m_closeRequested && !m_cancelled;
}

std::unique_ptr<IProgressMonitor> CSendFrontEnd::OpenBuildMonitor()
{
    auto dialog = std::make_unique<CMakeSendFile>(m_app, m_window);
    m_buildDialog = dialog.get();
    return dialog;
}

bool CSendFrontEnd::StartUpload(CSendSequence::Prepared prepared)
{
    if (prepared.status != CSendSequence::Prepared::Status::Ready || m_cancelled)
        return false;
    m_block.send = std::move(prepared);
    if (!m_progressWindow)
        OpenProgressWindow();
    m_block.progressCaption = QString::fromStdString(CResourceModule::LoadString(ResId::kSendingCaption));
    m_upload = new CUploadThread(m_block.send.request, m_block.send.record, this);
    connect(m_upload, &CUploadThread::TransferDone, this, &CSendFrontEnd::OnTransferDone);
    m_progressWindow->Watch(m_upload->Progress(), m_block.progressCaption);
    m_upload->Start();
    return true;
}

void CSendFrontEnd::OnTransferDone(bool finished, unsigned messageId, const QString& message)
{
    m_upload->deleteLater();
    m_upload = nullptr;
    // The report may wait in a message box, where a close must wait too.
    m_commandRunning = true;
    if (!finished)
        CSendSequence::Report({CFtpUpload::Result::Failed, {messageId, message.toStdString()}, 0, {}});
    m_commandRunning = false;
    m_block.send = {};
    EndCommand();
    CloseIfDue();
}

void CSendFrontEnd::EndCommand()
{
    if (m_progressWindow)
        m_progressWindow->Close();
    m_progressWindow = nullptr;
    emit CommandEnded();
}

void CSendFrontEnd::EndTransferAtClose()
{
    if (!m_upload)
        return;
    m_upload->CancelAndWait();
    delete m_upload;
    m_upload = nullptr;
    m_block.send = {};
    EndCommand();
}

void CSendFrontEnd::CloseIfDue()
{
    if (m_closeRequested)
        emit CloseDue();
}
