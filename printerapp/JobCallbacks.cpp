#include "JobCallbacks.h"

#include "CDocumentFormats.h"
#include "CMessageService.h"
#include "CQueueSender.h"
#include "CRasterHeader.h"
#include "CRasterPages.h"
#include "CServerOptions.h"
#include "CSettingKeywords.h"
#include "DriverCallbacks.h"
#include "JobOrder.h"
#include "ResourceIds.h"
#include "StatusPoller.h"

#include <climits>
#include <cstring>

namespace {
// The file name in the job: the job-name without any folders a client
// put before it.
std::string DocumentName(pappl_job_t* job)
{
    const char* given = papplJobGetName(job);
    std::string name = given ? given : "";
    const auto folder = name.find_last_of("/\\");
    if (folder != std::string::npos)
        name.erase(0, folder + 1);
    if (name.empty() || name == "." || name == "..")
        name = "job-" + std::to_string(papplJobGetID(job));
    return name;
}

// PAPPL 1.3.1 fills a job's vendor options from the request alone, never
// from the "-default" value that modify set on the queue.
std::string QueueDefault(pappl_job_t* job, const std::string& name)
{
    ipp_t* attributes = papplPrinterGetDriverAttributes(papplJobGetPrinter(job));
    const char* value =
        ippGetString(ippFindAttribute(attributes, (name + "-default").c_str(), IPP_TAG_ZERO), 0, nullptr);
    std::string copy = value ? value : "";
    ippDelete(attributes);
    return copy;
}

// A request without a user name reaches PAPPL as "guest".
std::string Owner(pappl_job_t* job, const pappl_pr_options_t* options)
{
    const char* user = papplJobGetUsername(job);
    if (user && *user && std::strcmp(user, "guest") != 0)
        return user;
    const char* given = cupsGetOption(JobCallbacks::kOwnerAttribute, options->num_vendor, options->vendor);
    return given ? given : QueueDefault(job, JobCallbacks::kOwnerAttribute);
}

// The job's own value first: the print options carry a vendor value only
// when the queue offers it, and an unknown one must stop the job, not
// turn into the queue's default.
std::string SettingKeyword(pappl_job_t* job, const pappl_pr_options_t* options)
{
    if (ipp_attribute_t* attribute = papplJobGetAttribute(job, JobCallbacks::kSettingAttribute))
        if (const char* value = ippGetString(attribute, 0, nullptr))
            return value;
    if (const char* value = cupsGetOption(JobCallbacks::kSettingAttribute, options->num_vendor, options->vendor))
        return value;
    return QueueDefault(job, JobCallbacks::kSettingAttribute);
}

void TakeSetting(CQueueJob& queued, pappl_job_t* job, const pappl_pr_options_t* options)
{
    const auto keywords = DriverCallbacks::SettingKeywords();
    const std::string keyword = SettingKeyword(job, options);
    if (keyword.empty()) {
        queued.setting = keywords->Entries().front().name;
        return;
    }
    if (const auto name = keywords->NameOf(keyword))
        queued.setting = *name;
    else
        queued.refusal = CMessageService::Format(ResId::kQueueUnknownSettingMessage, keyword);
}

CQueueJob Describe(pappl_job_t* job, const pappl_pr_options_t* options)
{
    pappl_printer_t* printer = papplJobGetPrinter(job);
    CQueueJob queued;
    queued.copies = options->copies > 0 ? options->copies : 1;
    queued.owner = Owner(job, options);
    TakeSetting(queued, job, options);
    queued.key = std::string("printer-app ") + papplPrinterGetName(printer) + " job " +
                 std::to_string(papplJobGetID(job)) + " " + std::to_string(papplJobGetTimeCreated(job));
    queued.deviceUri = papplPrinterGetDeviceURI(printer);
    queued.queue = papplPrinterGetName(printer);
    queued.media = options->media.size_name;
    return queued;
}

bool Send(pappl_job_t* job, const CQueueJob& queued)
{
    pappl_printer_t* printer = papplJobGetPrinter(job);
    JobOrder::Close(printer);
    const CQueueSender sender(CServerOptions::Current().retryFor,
                              {[job] { return papplJobIsCanceled(job); },
                               [job, printer](bool answering, const std::string& message) {
                                   StatusPoller::Note(printer, answering, message);
                                   // PAPPL 1.3.1 offers no printer-state-message:
                                   // the waiting job tells clients why.
                                   if (!answering)
                                       papplJobSetMessage(job, "%s", message.c_str());
                               }});
    const CQueueSender::Outcome outcome = sender.Send(queued);
    papplJobSetMessage(job, "%s", outcome.text.c_str());
    JobOrder::LetOldestGo(printer);
    return outcome.status == CQueueSender::Outcome::Status::Done;
}

bool SendDocument(pappl_job_t* job, const pappl_pr_options_t* options)
{
    CQueueJob queued = Describe(job, options);
    const std::string path = papplJobGetFilename(job);
    queued.documents.push_back({path, DocumentName(job), CDocumentFormats::ContentTypeOf(path, papplJobGetFormat(job))});
    return Send(job, queued);
}

bool PrintFile(pappl_job_t* job, pappl_pr_options_t* options, pappl_device_t*)
{
    return SendDocument(job, options);
}

bool Failed(pappl_job_t* job, const std::string& why)
{
    papplJobSetMessage(job, "%s", why.c_str());
    return false;
}

CRasterPages* PagesOf(pappl_job_t* job)
{
    return static_cast<CRasterPages*>(papplJobGetData(job));
}

bool StartRasterJob(pappl_job_t* job, pappl_pr_options_t*, pappl_device_t*)
{
    papplJobSetData(job, new CRasterPages(DocumentName(job)));
    return true;
}

bool StartRasterPage(pappl_job_t* job, pappl_pr_options_t* options, pappl_device_t*, unsigned)
{
    std::string error;
    const bool biLevel = options->print_color_mode == PAPPL_COLOR_MODE_BI_LEVEL;
    const auto page = CRasterHeader::PageOf(options->header, biLevel, error);
    if (!page)
        return Failed(job, error);
    CRasterPages* pages = PagesOf(job);
    return pages->StartPage(*page) || Failed(job, pages->Error());
}

bool WriteRasterLine(pappl_job_t* job, pappl_pr_options_t*, pappl_device_t*, unsigned, const unsigned char* line)
{
    CRasterPages* pages = PagesOf(job);
    return pages->WriteLine(line) || Failed(job, pages->Error());
}

bool EndRasterPage(pappl_job_t* job, pappl_pr_options_t*, pappl_device_t*, unsigned)
{
    CRasterPages* pages = PagesOf(job);
    return pages->EndPage() || Failed(job, pages->Error());
}

bool EndRasterJob(pappl_job_t* job, pappl_pr_options_t* options, pappl_device_t*)
{
    const std::unique_ptr<CRasterPages> pages(PagesOf(job));
    papplJobSetData(job, nullptr);
    CQueueJob queued = Describe(job, options);
    queued.documents = pages->Documents();
    return Send(job, queued);
}
}

void JobCallbacks::Install(pappl_pr_driver_data_t* data)
{
    data->printfile_cb = PrintFile;
    data->rstartjob_cb = StartRasterJob;
    data->rstartpage_cb = StartRasterPage;
    data->rwriteline_cb = WriteRasterLine;
    data->rendpage_cb = EndRasterPage;
    data->rendjob_cb = EndRasterJob;
}

bool JobCallbacks::FilterDocument(pappl_job_t* job, pappl_device_t*, void*)
{
    pappl_pr_options_t* options = papplJobCreatePrintOptions(job, INT_MAX, true);
    const bool sent = SendDocument(job, options);
    papplJobDeletePrintOptions(options);
    return sent;
}
