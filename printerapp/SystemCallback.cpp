#include "SystemCallback.h"

#include "CContentRecogniser.h"
#include "CDocumentFormats.h"
#include "CServerOptions.h"
#include "DriverCallbacks.h"
#include "JobCallbacks.h"
#include "JobOrder.h"
#include "SettingLabels.h"
#include "StatusPoller.h"

#include <cstdio>
#include <map>
#include <string>

namespace {
pappl_loglevel_t LogLevel(const std::string& name)
{
    const std::map<std::string, pappl_loglevel_t> levels = {{"debug", PAPPL_LOGLEVEL_DEBUG},
                                                            {"info", PAPPL_LOGLEVEL_INFO},
                                                            {"warn", PAPPL_LOGLEVEL_WARN},
                                                            {"error", PAPPL_LOGLEVEL_ERROR},
                                                            {"fatal", PAPPL_LOGLEVEL_FATAL}};
    const auto found = levels.find(name);
    return found == levels.end() ? PAPPL_LOGLEVEL_WARN : found->second;
}

// PAPPL offers a format when a filter leads from it to the driver's own,
// so each driver's list is its format and the sources of these filters.
void AddFilters(pappl_system_t* system)
{
    for (const char* source :
         {CDocumentFormats::kPostScript, CDocumentFormats::kHpgl, CDocumentFormats::kTiff, CDocumentFormats::kCals})
        papplSystemAddMIMEFilter(system, source, CDocumentFormats::kPdf, JobCallbacks::FilterDocument, nullptr);
    for (const char* source : {CDocumentFormats::kTiff, CDocumentFormats::kCals})
        papplSystemAddMIMEFilter(system, source, CDocumentFormats::kHpgl, JobCallbacks::FilterDocument, nullptr);
}

// A client that sends application/octet-stream leaves the format to us.
const char* DetectFormat(const unsigned char* head, size_t size, void*)
{
    return CDocumentFormats::MimeTypeOf(CContentRecogniser::Recognise(head, size));
}

bool SaveState(pappl_system_t* system, void* path)
{
    return papplSystemSaveState(system, static_cast<const char*>(path));
}

// No authentication service: PAPPL then refuses administration to every
// client but loopback and the local socket, and its web pages, which ask
// for no password, are left out when other computers can reach them.
pappl_soptions_t SystemOptions(const CServerOptions& read)
{
    int options = PAPPL_SOPTIONS_MULTI_QUEUE | PAPPL_SOPTIONS_NO_TLS;
    if (read.WebInterface())
        options |= PAPPL_SOPTIONS_WEB_INTERFACE;
    if (read.rawSocket)
        options |= PAPPL_SOPTIONS_RAW_SOCKET;
    return static_cast<pappl_soptions_t>(options);
}

std::optional<CServerOptions> ReadOptions(int optionCount, cups_option_t* options)
{
    std::map<std::string, std::string> named;
    for (int i = 0; i < optionCount; ++i)
        named[options[i].name] = options[i].value;
    std::string error;
    auto read = CServerOptions::Read(named, error);
    if (!read)
        std::fprintf(stderr, "qx-sendora-printer-app: %s\n", error.c_str());
    return read;
}
}

pappl_system_t* SystemCallback::Create(int optionCount, cups_option_t* options, void*)
{
    const auto read = ReadOptions(optionCount, options);
    if (!read)
        return nullptr;
    CServerOptions::Current() = *read;
    const CServerOptions::Paths paths = CServerOptions::StatePaths();
    pappl_system_t* system =
        papplSystemCreate(SystemOptions(*read), "QX-Sendora Printer Application", read->port, "_print,_universal",
                          paths.spool.c_str(), read->logFile.c_str(), LogLevel(read->logLevel), nullptr, false);
    if (!system)
        return nullptr;
    if (!papplSystemAddListeners(system, read->ListenAddress())) {
        papplSystemDelete(system);
        return nullptr;
    }
    // Without a footer PAPPL 1.3.1's web pages crash the server.
    papplSystemSetFooterHTML(system, "QX-Sendora");
    papplSystemSetPrinterDrivers(system, DriverCallbacks::kDriverCount, DriverCallbacks::Drivers(),
                                 DriverCallbacks::AutoAdd, DriverCallbacks::Created, DriverCallbacks::Fill, nullptr);
    AddFilters(system);
    DriverCallbacks::ReadSettingKeywords();
    SettingLabels::Add(system);
    papplSystemSetMIMECallback(system, DetectFormat, nullptr);
    StatusPoller::Start(system);
    JobOrder::Watch(system);
    static const std::string state = paths.stateFile;
    papplSystemLoadState(system, state.c_str());
    papplSystemSetSaveCallback(system, SaveState, const_cast<char*>(state.c_str()));
    return system;
}
