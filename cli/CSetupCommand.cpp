#include "CSetupCommand.h"

#include "CArguments.h"
#include "CConsoleFrontEnd.h"
#include "CJobOptions.h"
#include "CPrintJob.h"
#include "CUploadRunner.h"

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
    CConsoleFrontEnd frontEnd;
    // The window builds for the controller of its last print-list send; a
    // fresh process knows none, so the printer is asked unless it is named.
    CSendSequence sequence(frontEnd, {CJobOptions::CheckSetting, options.Controller()}, options.Region());
    return CUploadRunner::UploadAndReport(sequence.PrepareSetupSend(setupJob, options.Choices()));
}
