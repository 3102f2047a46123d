#pragma once

#include "CFtpUpload.h"
#include "CHistoryRecord.h"
#include "CPrinterQuery.h"
#include "CSendFile.h"
#include "CSendPreparation.h"
#include "CTransferReport.h"

#include <functional>
#include <optional>
#include <string>

class CPrintJob;
class IProgressMonitor;
class ISendFrontEnd;

// The steps of a send, the same for every front end: printer dialogue,
// send checks, job file, upload request; then the upload and its report.
// Each step that fails has shown its message when the sequence stops.
class CSendSequence {
public:
    // Where the front ends deliberately differ.
    struct Policy {
        // A further check of the chosen setting, before the send checks
        // resolve it: the command line refuses a name that lists no file
        // and names those on offer. False stops the send.
        std::function<bool(const std::string& setting)> checkSetting;
        // The controller a setup job is built for; none: ask the printer.
        std::optional<std::string> setupController;
        // A send that stops with a message before its upload gets a failed
        // record in the send history. A sender that tries again later
        // keeps its own records instead.
        bool recordStops = true;
    };

    struct Prepared {
        enum class Status { Ready, Stopped, Cancelled };
        Status status = Status::Stopped;
        // What the printer dialogue learned, when there was one.
        std::optional<CPrinterQuery::Answer> printer;
        CFtpUpload::Request request;
        CSendFile file;
        // What the send history records of the upload; a sender may add its
        // own tag and file sources before uploading.
        CHistoryRecord record;
    };

    struct Uploaded {
        CFtpUpload::Result result = CFtpUpload::Result::Failed;
        // What the user is told of a failure, as the send history keeps it.
        CTransferReport::Message message;
        // The upload's record in the send history, 0 when it has none, and
        // why the history could not be written (the send went on).
        std::int64_t historyId = 0;
        std::string historyError;
    };

    CSendSequence(ISendFrontEnd& frontEnd, Policy policy, std::string regionCode);

    Prepared PrepareListSend(CPrintJob& job, const CSendChoices& choices);
    Prepared PrepareSetupSend(CPrintJob& setupJob, const CSendChoices& choices);
    // The worker's half; touches nothing but the request, the monitor and
    // the send history, where it records the upload's start and end.
    static Uploaded Upload(const CFtpUpload::Request& request, const CHistoryRecord& record,
                           IProgressMonitor& monitor);
    // Tells the user how a failed upload ended.
    static void Report(const Uploaded& uploaded);

private:
    Prepared PrepareList(CPrintJob& job, const CSendChoices& choices);
    Prepared PrepareSetup(CPrintJob& setupJob, const CSendChoices& choices);
    // Records a stop that told the user why.
    Prepared Recorded(Prepared prepared, const CPrintJob& job, const CSendChoices& choices,
                      const std::string& told) const;
    bool AcceptsSetting(const std::string& setting) const;
    Prepared Build(CPrintJob& job, const std::string& controllerName, unsigned failureMessage);
    // The answer, or the status the send ends with.
    std::optional<CPrinterQuery::Answer> AskPrinter(const std::string& printerName, Prepared::Status& status);

    ISendFrontEnd& m_frontEnd;
    Policy m_policy;
    std::string m_regionCode;
    std::string m_user;
    std::string m_password;
};
