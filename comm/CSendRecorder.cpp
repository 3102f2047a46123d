#include "CSendRecorder.h"

#include "CPrintJob.h"
#include "CResourceModule.h"
#include "CSendPreparation.h"
#include "ResourceIds.h"

#include <filesystem>

namespace {
std::uint64_t SizeOf(const std::string& path)
{
    std::error_code error;
    const auto size = std::filesystem::file_size(path, error);
    return error ? 0 : size;
}

CHistoryRecord::Result HistoryResult(CFtpUpload::Result result)
{
    switch (result) {
    case CFtpUpload::Result::Finished:
        return CHistoryRecord::Result::Done;
    case CFtpUpload::Result::Cancelled:
        return CHistoryRecord::Result::Cancelled;
    case CFtpUpload::Result::Failed:
        break;
    }
    return CHistoryRecord::Result::Failed;
}

std::vector<CHistoryRecord::File> FilesOf(const CPrintJob& job)
{
    std::vector<CHistoryRecord::File> files;
    for (int i = 0; i < job.GetCount(); ++i) {
        const CPrintData& entry = *job.GetAt(i);
        files.push_back({entry.GetFileName(), SizeOf(entry.GetSendPath()), {}, entry.GetPath(), entry.GetCopies()});
    }
    return files;
}
}

CHistoryRecord CSendRecorder::Describe(const CPrintJob& job, const CFtpUpload::Request& request)
{
    CHistoryRecord record;
    record.printer = job.GetPrinterName();
    record.number = job.GetPrinterNumber();
    record.owner = job.GetOwnerName();
    // As the window lists it, so that the send can be put back.
    record.setting = job.GetUsesDefaultSettings() ? CResourceModule::LoadString(ResId::kPrinterDefaultsName)
                                                  : std::filesystem::path(job.GetSettingFilePath()).stem().string();
    record.files = FilesOf(job);
    record.jobBytes = SizeOf(request.localPath);
    record.remoteName = request.remoteFolder + '/' + request.remoteName;
    return record;
}

void CSendRecorder::RecordStop(const CPrintJob& job, const CSendChoices& choices, const std::string& message)
{
    CHistoryRecord record;
    record.printer = choices.printerName;
    record.number = choices.printerNumber;
    record.owner = choices.ownerName;
    record.setting = std::filesystem::path(choices.setting).stem().string();
    record.files = FilesOf(job);
    CSendHistory history;
    if (history.OpenDefault())
        history.FinishSend(history.BeginSend(record), CHistoryRecord::Result::Failed, message, 0);
}

CSendRecorder::CSendRecorder(CHistoryRecord record)
    : m_start(std::chrono::steady_clock::now())
{
    Begin(record);
}

void CSendRecorder::Begin(const CHistoryRecord& record)
{
    if (m_history.OpenDefault())
        m_id = m_history.BeginSend(record);
    if (m_id == 0)
        m_error = "send history not recorded: " + m_history.GetError();
}

void CSendRecorder::End(CFtpUpload::Result result, const std::string& message)
{
    if (m_id == 0)
        return;
    const std::chrono::duration<double> seconds = std::chrono::steady_clock::now() - m_start;
    if (!m_history.FinishSend(m_id, HistoryResult(result), message, seconds.count()))
        m_error = "send history not recorded: " + m_history.GetError();
}
