#include "CSendSequence.h"

#include "CMessageService.h"
#include "CMessageTap.h"
#include "CPrintJob.h"
#include "CRegistryValues.h"
#include "CSendFileBuilder.h"
#include "CSendRecorder.h"
#include "ISendFrontEnd.h"
#include "IProgressMonitor.h"
#include "ResourceIds.h"

CSendSequence::CSendSequence(ISendFrontEnd& frontEnd, Policy policy, std::string regionCode)
    : m_frontEnd(frontEnd)
    , m_policy(std::move(policy))
    , m_regionCode(std::move(regionCode))
    , m_user(CRegistryValues::ReadFtpUserName())
    , m_password(CRegistryValues::ReadFtpPassword())
{
}

CSendSequence::Prepared CSendSequence::PrepareListSend(CPrintJob& job, const CSendChoices& choices)
{
    const CMessageTap told;
    return Recorded(PrepareList(job, choices), job, choices, told.Text());
}

CSendSequence::Prepared CSendSequence::PrepareSetupSend(CPrintJob& setupJob, const CSendChoices& choices)
{
    const CMessageTap told;
    return Recorded(PrepareSetup(setupJob, choices), setupJob, choices, told.Text());
}

CSendSequence::Prepared CSendSequence::Recorded(Prepared prepared, const CPrintJob& job, const CSendChoices& choices,
                                                const std::string& told) const
{
    if (m_policy.recordStops && prepared.status == Prepared::Status::Stopped && !told.empty())
        CSendRecorder::RecordStop(job, choices, told);
    return prepared;
}

// The files are looked at before the printer is: a file gone is the same
// stop on every try, and no printer need be reached to tell it.
CSendSequence::Prepared CSendSequence::PrepareList(CPrintJob& job, const CSendChoices& choices)
{
    if (job.GetCount() == 0 || !CSendPreparation::CheckFiles(job))
        return {};
    Prepared::Status status = Prepared::Status::Stopped;
    const auto printer = AskPrinter(choices.printerName, status);
    if (!printer)
        return {status, std::nullopt, {}, {}, {}};
    if (!m_frontEnd.IsStillWanted())
        return {Prepared::Status::Cancelled, printer, {}, {}, {}};
    // The front end's own check of the name first: the send checks end by
    // resolving the setting, which refuses a file that is gone.
    if (!AcceptsSetting(choices.setting) || !CSendPreparation::PrepareSend(job, choices, printer->psPdfOption))
        return {Prepared::Status::Stopped, printer, {}, {}, {}};
    Prepared prepared = Build(job, printer->controllerName, 0);
    prepared.printer = printer;
    return prepared;
}

// No printer dialogue where the front end knows the controller: the window
// builds for the one of its last print-list send. The printer's defaults
// change for everyone who prints to it, so the user confirms first.
CSendSequence::Prepared CSendSequence::PrepareSetup(CPrintJob& setupJob, const CSendChoices& choices)
{
    if (!AcceptsSetting(choices.setting) || !CSendPreparation::PrepareSetup(setupJob, choices))
        return {};
    if (!CMessageService::Confirm(ResId::kConfirmSetupMessage, choices.printerName))
        return {Prepared::Status::Cancelled, std::nullopt, {}, {}, {}};
    if (m_policy.setupController)
        return Build(setupJob, *m_policy.setupController, ResId::kBuildFailedMessage);
    Prepared::Status status = Prepared::Status::Stopped;
    const auto printer = AskPrinter(choices.printerName, status);
    if (!printer)
        return {status, std::nullopt, {}, {}, {}};
    Prepared prepared = Build(setupJob, printer->controllerName, ResId::kBuildFailedMessage);
    prepared.printer = printer;
    return prepared;
}

std::optional<CPrinterQuery::Answer> CSendSequence::AskPrinter(const std::string& printerName,
                                                               Prepared::Status& status)
{
    const CPrinterQuery::Outcome outcome = m_frontEnd.AskPrinter(printerName, m_user, m_password);
    if (outcome.answer)
        return outcome.answer;
    status = outcome.failure == CPrinterQuery::Failure::Cancelled ? Prepared::Status::Cancelled
                                                                  : Prepared::Status::Stopped;
    CPrinterQuery::ShowFailure(outcome.failure, printerName, ResId::kNoAnswerMessage);
    return std::nullopt;
}

bool CSendSequence::AcceptsSetting(const std::string& setting) const
{
    return !m_policy.checkSetting || m_policy.checkSetting(setting);
}

// failureMessage: what a build failure adds to the builder's own report.
CSendSequence::Prepared CSendSequence::Build(CPrintJob& job, const std::string& controllerName,
                                             unsigned failureMessage)
{
    CSendFileBuilder::Result built = [&] {
        const auto monitor = m_frontEnd.OpenBuildMonitor();
        return CSendFileBuilder(controllerName, m_regionCode).Build(job, *monitor);
    }();
    if (built.status == CSendFileBuilder::Status::Cancelled)
        return {Prepared::Status::Cancelled, std::nullopt, {}, {}, {}};
    if (built.status == CSendFileBuilder::Status::Failed) {
        if (failureMessage != 0)
            CMessageService::Show(failureMessage);
        return {};
    }
    auto request = CFtpUpload::RequestFor(job, m_user, m_password, built.file.GetPath());
    if (!request)
        return {};
    CHistoryRecord record = CSendRecorder::Describe(job, *request);
    return {Prepared::Status::Ready, std::nullopt, std::move(*request), std::move(built.file), std::move(record)};
}

CSendSequence::Uploaded CSendSequence::Upload(const CFtpUpload::Request& request, const CHistoryRecord& record,
                                               IProgressMonitor& monitor)
{
    CSendRecorder recorder(record);
    CFtpUpload upload(request);
    const CFtpUpload::Result result = upload.Run(monitor);
    CTransferReport::Message message;
    if (result == CFtpUpload::Result::Failed)
        message = CTransferReport::Describe(upload, request.host);
    recorder.End(result, message.text);
    return {result, std::move(message), recorder.GetId(), recorder.GetError()};
}

void CSendSequence::Report(const Uploaded& uploaded)
{
    if (uploaded.result == CFtpUpload::Result::Failed)
        CTransferReport::Show(uploaded.message);
}
