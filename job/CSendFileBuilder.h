#pragma once

#include "CJobCodePage.h"
#include "CSendFile.h"

#include <cstdint>
#include <string>

class CJobFile;
class CPrintData;
class CPrintJob;
class IProgressMonitor;

// Turns a print job into one PJL job file in the temporary folder: header,
// settings block, every plot file in its language wrapper, end of job.
class CSendFileBuilder {
public:
    enum class Status { Done, Cancelled, Failed };
    // A failure has been reported to the user; only a finished build
    // carries a file.
    struct Result {
        Status status = Status::Failed;
        CSendFile file;
    };

    // controllerName chooses the settings writer; regionCode its finisher
    // words and the code page of the job's text.
    CSendFileBuilder(std::string controllerName, std::string regionCode);

    Result Build(const CPrintJob& job, IProgressMonitor& monitor) const;

    // 32 upper-case hexadecimal digits of a new 128-bit identifier.
    static std::string MakeJobName();
    // The PJL language an entry's data format enters.
    static std::string LanguageOf(const std::string& dataFormat);

private:
    bool WriteHeader(CJobFile& file, const CPrintJob& job, const std::string& jobName) const;
    Status CopyEntries(CJobFile& file, const CPrintJob& job, IProgressMonitor& monitor) const;
    Status CopyEntry(CJobFile& file, const CPrintData& entry, bool collate, IProgressMonitor& monitor) const;
    Status CopyData(CJobFile& file, int data, const std::string& path, IProgressMonitor& monitor) const;
    bool WriteTrailer(CJobFile& file, const CPrintJob& job, const std::string& jobName) const;

    std::string m_controllerName;
    std::string m_regionCode;
    CJobCodePage m_codePage;
};
