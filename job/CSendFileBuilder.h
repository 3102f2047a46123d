#pragma once

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
    // The result of a build the user cancelled.
    static constexpr const char* kCancelled = "CANCEL";

    // controllerName chooses the settings writer; regionCode its finisher words.
    CSendFileBuilder(std::string controllerName, std::string regionCode);

    // The path of the finished file; "" after a failure (a message has been
    // shown); kCancelled when the monitor reported a cancel. No temporary
    // file is left behind unless the path is returned.
    std::string BuildSendFile(const CPrintJob& job, IProgressMonitor& monitor) const;

    // 32 upper-case hexadecimal digits of a new 128-bit identifier.
    static std::string MakeJobName();
    // The PJL language an entry's data format enters.
    static std::string LanguageOf(const std::string& dataFormat);

private:
    enum class Outcome { Done, Failed, Cancelled };

    bool WriteHeader(CJobFile& file, const CPrintJob& job, const std::string& jobName) const;
    Outcome CopyEntries(CJobFile& file, const CPrintJob& job, IProgressMonitor& monitor) const;
    Outcome CopyEntry(CJobFile& file, const CPrintData& entry, bool collate, IProgressMonitor& monitor) const;
    Outcome CopyData(CJobFile& file, int data, const std::string& path, IProgressMonitor& monitor) const;
    bool WriteTrailer(CJobFile& file, const CPrintJob& job, const std::string& jobName) const;

    std::string m_controllerName;
    std::string m_regionCode;
};
