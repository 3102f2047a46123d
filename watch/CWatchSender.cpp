#include "CWatchSender.h"

#include "CFtpUpload.h"
#include "CMessageCapture.h"
#include "CMessageService.h"
#include "CPrintJob.h"
#include "CPrinterAddress.h"
#include "CRegistryValues.h"
#include "CStopSignal.h"
#include "CWatchFrontEnd.h"
#include "ResourceIds.h"

CWatchSender::CWatchSender(Recipe recipe, std::string tag)
    : m_recipe(std::move(recipe))
    , m_tag(std::move(tag))
{
}

CWatchSender::Outcome CWatchSender::Send(const std::vector<std::string>& paths,
                                         const std::vector<std::string>& sources) const
{
    CMessageCapture messages;
    CPrintJob job;
    if (!m_recipe.fillList(job, paths))
        return {Outcome::Status::Failed, messages.Text(), {}};
    CWatchFrontEnd frontEnd;
    // A printer that does not answer is tried again later, which would
    // fill the history with the same stop.
    CSendSequence sequence(frontEnd, {m_recipe.checkSetting, std::nullopt, false}, m_recipe.region);
    CSendSequence::Prepared prepared = sequence.PrepareListSend(job, m_recipe.choices);
    switch (prepared.status) {
    case CSendSequence::Prepared::Status::Cancelled:
        return {Outcome::Status::Cancelled, {}, {}};
    case CSendSequence::Prepared::Status::Stopped: {
        // A stop signal cuts the printer dialogue short too.
        if (CStopSignal::IsRaised())
            return {Outcome::Status::Cancelled, {}, {}};
        const auto status = frontEnd.PrinterAnswered() ? Outcome::Status::Failed : Outcome::Status::Retry;
        return {status, messages.Text(), {}};
    }
    case CSendSequence::Prepared::Status::Ready:
        break;
    }
    return Upload(prepared, sources, frontEnd, messages);
}

CWatchSender::Outcome CWatchSender::Upload(CSendSequence::Prepared& prepared, const std::vector<std::string>& sources,
                                           CWatchFrontEnd& frontEnd, const CMessageCapture& messages) const
{
    prepared.record.tag = m_tag;
    for (std::size_t i = 0; i < prepared.record.files.size() && i < sources.size(); ++i)
        prepared.record.files[i].source = sources[i];
    const CSendSequence::Uploaded uploaded = CSendSequence::Upload(prepared.request, prepared.record, frontEnd);
    switch (uploaded.result) {
    case CFtpUpload::Result::Finished:
        return {Outcome::Status::Done, prepared.request.remoteFolder + '/' + prepared.request.remoteName,
                uploaded.historyError};
    case CFtpUpload::Result::Cancelled:
        return {Outcome::Status::Cancelled, {}, uploaded.historyError};
    case CFtpUpload::Result::Failed:
        break;
    }
    CSendSequence::Report(uploaded);
    return {Outcome::Status::Retry, messages.Text(), uploaded.historyError};
}

CWatchSender::Outcome CWatchSender::RemovePartial(const CHistoryRecord& record) const
{
    const auto address = CPrinterAddress::Parse(record.printer);
    const auto slash = record.remoteName.find('/');
    if (!address || slash == std::string::npos)
        return {Outcome::Status::Done, {}, {}};
    const CFtpUpload upload({address->GetHost(), address->GetPort(), CRegistryValues::ReadFtpUserName(),
                             CRegistryValues::ReadFtpPassword(), record.remoteName.substr(0, slash),
                             record.remoteName.substr(slash + 1), {}});
    if (upload.RemoveRemoteFile())
        return {Outcome::Status::Done, record.remoteName, {}};
    return {Outcome::Status::Retry, CMessageService::Format(ResId::kNoAnswerMessage), {}};
}
