#include "CSendCommand.h"

#include "CArguments.h"
#include "CConsoleMonitor.h"
#include "CJobOptions.h"
#include "CMessageService.h"
#include "CPrintJob.h"
#include "CPrinterQuery.h"
#include "CRegistryValues.h"
#include "CSendFileBuilder.h"
#include "CUploadRunner.h"

std::string CSendCommand::Usage() const
{
    return "send --printer HOST[:PORT] [--number N] [--owner NAME] [--setting NAME|PATH] [--copies N] [--collate] "
           "[--reverse] [--format NAME] FILE...";
}

int CSendCommand::Run(const std::vector<std::string>& args)
{
    CArguments arguments(args, CJobOptions::ValueOptions(), CJobOptions::Switches());
    arguments.Printer();
    if (arguments.Operands().empty())
        arguments.Fail("send needs at least one FILE");
    CJobOptions options;
    options.Read(arguments);
    if (!arguments.Ok())
        return arguments.ReportUsage(*this);
    CPrintJob job;
    if (!options.FillList(job, arguments.Operands()))
        return kExitFailed;
    const auto printer = CPrinterQuery::Ask(options.Choices().printerName, CRegistryValues::ReadFtpUserName(),
                                            CRegistryValues::ReadFtpPassword());
    if (!printer) {
        CMessageService::Show(CPrinterQuery::kNoAnswerMessage);
        return kExitFailed;
    }
    if (!CSendPreparation::PrepareSend(job, options.Choices(), printer->psPdfOption) || !CJobOptions::CheckSetting(options.Choices().setting))
        return kExitFailed;
    CConsoleMonitor monitor("Building");
    const std::string path = CSendFileBuilder(printer->controllerName, options.Region()).BuildSendFile(job, monitor);
    if (path == CSendFileBuilder::kCancelled)
        return kExitCancelled;
    if (path.empty())
        return kExitFailed;
    job.SetSendFilePath(path);
    return CUploadRunner::UploadAndReport(job);
}
