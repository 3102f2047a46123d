#include "CSendFileBuilder.h"

#include "CGuid.h"
#include "CJobFile.h"
#include "CMessageService.h"
#include "CPrintJob.h"
#include "CSettingsWriter.h"
#include "CUserFile.h"
#include "IProgressMonitor.h"
#include "ResourceIds.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <sstream>

namespace {
// Cancel is asked and progress reported for every step of plot data.
constexpr std::size_t kStep = 8192;
constexpr char kUel[] = "\x1b%-12345X";
constexpr const char* kInquiries[] = {"HPGL", "MVNATIVE", "TIFF", "CALS", "CGM", "PS/PDF"};

// A double quote or a line break would end the quoted PJL value early and
// let the rest of the text pass as PJL commands.
bool BreaksQuotedValue(char c)
{
    return c == '"' || c == '\r' || c == '\n';
}

std::string QuotedValueSafe(std::string text)
{
    std::replace_if(text.begin(), text.end(), BreaksQuotedValue, '_');
    return text;
}

std::uint64_t TotalDataBytes(const CPrintJob& job)
{
    std::uint64_t total = 0;
    for (int i = 0; i < job.GetCount(); ++i) {
        struct stat info {};
        if (stat(job.GetAt(i)->GetSendPath().c_str(), &info) == 0)
            total += static_cast<std::uint64_t>(info.st_size);
    }
    return total;
}
}

CSendFileBuilder::CSendFileBuilder(std::string controllerName, std::string regionCode)
    : m_controllerName(std::move(controllerName))
    , m_regionCode(std::move(regionCode))
    , m_codePage(m_regionCode)
{
}

std::string CSendFileBuilder::MakeJobName()
{
    const auto guid = CGuid::Create();
    if (!guid)
        return "QX-Sendora";
    std::string name;
    char digits[3];
    for (std::uint8_t byte : *guid) {
        std::snprintf(digits, sizeof digits, "%.2X", byte);
        name += digits;
    }
    return name;
}

std::string CSendFileBuilder::LanguageOf(const std::string& dataFormat)
{
    if (dataFormat == "MGL(0.01 mm/unit)" || dataFormat == "MGL(0.025 mm/unit)")
        return "MGL";
    return dataFormat;
}

CSendFileBuilder::Result CSendFileBuilder::Build(const CPrintJob& job, IProgressMonitor& monitor) const
{
    const std::string& owner = job.GetOwnerName();
    if (std::any_of(owner.begin(), owner.end(), BreaksQuotedValue)) {
        CMessageService::Show(ResId::kUnsafeOwnerMessage);
        return {};
    }
    const std::string jobName = MakeJobName();
    CJobFile file;
    if (!file.Create() || !WriteHeader(file, job, jobName))
        return {};
    const Status outcome = CopyEntries(file, job, monitor);
    if (outcome == Status::Cancelled)
        return {Status::Cancelled, {}};
    if (outcome == Status::Failed || !WriteTrailer(file, job, jobName))
        return {};
    auto kept = file.Keep();
    if (!kept)
        return {};
    return {Status::Done, std::move(*kept)};
}

bool CSendFileBuilder::WriteHeader(CJobFile& file, const CPrintJob& job, const std::string& jobName) const
{
    std::ostringstream header;
    header << kUel << "@PJL\n@PJL RESET\n";
    header << "@PJL JOB NAME = \"" << m_codePage.Encode(jobName) << "\"\n";
    header << "@PJL DEFAULT OWNER = \"" << m_codePage.Encode(job.GetOwnerName()) << "\"\n";
    if (job.GetCollate())
        header << "@PJL DEFAULT COLLATIONENABLE = FORWARD\n@PJL DEFAULT COPIES = " << job.GetFirstCopies() << '\n';
    if (!job.GetUsesDefaultSettings() &&
        !CSettingsWriter::WriteForController(header, job.GetSettingFilePath(), m_regionCode, m_controllerName)) {
        CMessageService::Show(ResId::kMissingSettingMessage);
        return false;
    }
    return file.Write(header.str());
}

CSendFileBuilder::Status CSendFileBuilder::CopyEntries(CJobFile& file, const CPrintJob& job,
                                                        IProgressMonitor& monitor) const
{
    const int count = job.GetCount();
    monitor.Begin(TotalDataBytes(job));
    Status outcome = Status::Done;
    for (int n = 0; n < count && outcome == Status::Done; ++n) {
        const int index = job.GetReverseOrder() ? count - 1 - n : n;
        outcome = CopyEntry(file, *job.GetAt(index), job.GetCollate(), monitor);
    }
    monitor.End();
    return outcome;
}

CSendFileBuilder::Status CSendFileBuilder::CopyEntry(CJobFile& file, const CPrintData& entry, bool collate,
                                                      IProgressMonitor& monitor) const
{
    std::ostringstream lines;
    if (!collate)
        lines << "@PJL SET COPIES = " << entry.GetCopies() << '\n';
    if (entry.GetDataFormat() == "MGL(0.01 mm/unit)")
        lines << "@PJL SET MGLUNIT = 0.01\n";
    if (entry.GetDataFormat() == "MGL(0.025 mm/unit)")
        lines << "@PJL SET MGLUNIT = 0.025\n";
    lines << "@PJL SET PSDEFAULTDMS = ON\n";
    lines << "@PJL SET FILENAME = \"" << QuotedValueSafe(m_codePage.Encode(entry.GetFileName())) << "\"\n";
    lines << "@PJL ENTER LANGUAGE = " << LanguageOf(entry.GetDataFormat()) << '\n';
    if (!file.Write(lines.str()))
        return Status::Failed;
    // The file may have been swapped for a pipe since it was added.
    CUserFile opened(entry.GetSendPath());
    if (!opened.IsOpen()) {
        CJobFile::ReportError("open", entry.GetSendPath(), opened.GetError());
        return Status::Failed;
    }
    const int data = opened.Release();
    const Status outcome = CopyData(file, data, entry.GetSendPath(), monitor);
    close(data);
    if (outcome == Status::Done && !file.Write(kUel))
        return Status::Failed;
    return outcome;
}

CSendFileBuilder::Status CSendFileBuilder::CopyData(CJobFile& file, int data, const std::string& path,
                                                     IProgressMonitor& monitor) const
{
    // Copied in large blocks for speed, yet cancel is asked as often as
    // when every step was a read of its own.
    std::size_t copied = 0;
    bool atEnd = false;
    for (;;) {
        if (monitor.IsCancelled())
            return Status::Cancelled;
        while (copied < kStep && !atEnd) {
            const auto got = file.CopyFrom(data, path);
            if (!got)
                return Status::Failed;
            copied += *got;
            atEnd = *got == 0;
        }
        const std::size_t step = std::min(copied, kStep);
        copied -= step;
        monitor.Advance(step);
        // A short step is the end; data of whole steps ends with an empty one.
        if (step < kStep)
            return Status::Done;
    }
}

bool CSendFileBuilder::WriteTrailer(CJobFile& file, const CPrintJob& job, const std::string& jobName) const
{
    std::ostringstream trailer;
    if (job.GetCount() == 0)
        for (const char* language : kInquiries)
            trailer << "@PJL INQUIRE LPARM : " << language << " IPARM : PRINT CURRENT\n";
    trailer << "@PJL EOJ NAME = \"" << m_codePage.Encode(jobName) << "\"\n" << kUel;
    return file.Write(trailer.str());
}
