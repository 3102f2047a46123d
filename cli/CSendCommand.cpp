#include "CSendCommand.h"

#include "CArguments.h"
#include "CConsoleFrontEnd.h"
#include "CJobOptions.h"
#include "CPrintJob.h"
#include "CUploadRunner.h"

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
    CConsoleFrontEnd frontEnd;
    CSendSequence sequence(frontEnd, {CJobOptions::CheckSetting, std::nullopt}, options.Region());
    return CUploadRunner::UploadAndReport(sequence.PrepareListSend(job, options.Choices()));
}
