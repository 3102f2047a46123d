#include "CSetupCommand.h"

#include "CArguments.h"
#include "CConsoleMonitor.h"
#include "CJobOptions.h"
#include "CMessageService.h"
#include "CPrintJob.h"
#include "CPrinterQuery.h"
#include "CRegistryValues.h"
#include "CSendFileBuilder.h"
#include "CUploadRunner.h"

namespace {
constexpr unsigned kBuildFailedMessage = 521;

// The window remembers the controller of its last print-list send; a fresh
// process has none, so it asks the printer unless told.
std::optional<std::string> ControllerName(const CJobOptions& options)
{
    if (options.Controller())
        return options.Controller();
    const auto printer = CPrinterQuery::Ask(options.Choices().printerName, CRegistryValues::ReadFtpUserName(),
                                            CRegistryValues::ReadFtpPassword());
    if (!printer) {
        CMessageService::Show(CPrinterQuery::kNoAnswerMessage);
        return std::nullopt;
    }
    return printer->controllerName;
}
}

std::string CSetupCommand::Usage() const
{
    return "setup --printer HOST[:PORT] [--number N] [--owner NAME] --setting NAME|PATH [--controller NAME]";
}

int CSetupCommand::Run(const std::vector<std::string>& args)
{
    CArguments arguments(args, CJobOptions::ValueOptions(), CJobOptions::Switches());
    arguments.Printer();
    if (!arguments.Value("--setting"))
        arguments.Fail("--setting NAME|PATH is required");
    if (!arguments.Operands().empty())
        arguments.Fail("setup takes no FILE");
    CJobOptions options;
    options.Read(arguments);
    if (!arguments.Ok())
        return arguments.ReportUsage(*this);
    CPrintJob setupJob;
    if (!CSendPreparation::PrepareSetup(setupJob, options.Choices()) ||
        !CJobOptions::CheckSetting(options.Choices().setting))
        return kExitFailed;
    const auto controller = ControllerName(options);
    if (!controller)
        return kExitFailed;
    CConsoleMonitor monitor("Building");
    const std::string path = CSendFileBuilder(*controller, options.Region()).BuildSendFile(setupJob, monitor);
    if (path == CSendFileBuilder::kCancelled)
        return kExitCancelled;
    if (path.empty()) {
        CMessageService::Show(kBuildFailedMessage);
        return kExitFailed;
    }
    setupJob.SetSendFilePath(path);
    return CUploadRunner::UploadAndReport(setupJob);
}
