#include "CBuildCommand.h"

#include "CArguments.h"
#include "CConsoleMonitor.h"
#include "CJobOptions.h"
#include "CMessageService.h"
#include "CPrintJob.h"
#include "CSendFileBuilder.h"
#include "ResourceIds.h"

#include <unistd.h>

#include <filesystem>
#include <iostream>

namespace {
// Links the finished file in where the user wants it; across file systems
// it is copied, and a failed copy leaves no partial file.
bool MoveInPlace(CSendFile file, const std::string& to)
{
    // An earlier job goes first: ext4 starts writing out a file renamed over
    // another at once, which made a build take half as long again. unlink
    // leaves a folder of that name alone.
    unlink(to.c_str());
    if (file.MoveTo(to))
        return true;
    std::error_code error;
    std::filesystem::copy_file(file.GetPath(), to, std::filesystem::copy_options::overwrite_existing, error);
    if (!error)
        return true;
    // A partial copy goes; a folder of that name was never touched.
    std::error_code ignored;
    if (!std::filesystem::is_directory(to, ignored))
        std::filesystem::remove(to, ignored);
    CMessageService::ShowText("Cannot write " + to + ": " + error.message());
    return false;
}
}

std::string CBuildCommand::Usage() const
{
    return "build -o JOB [--setting NAME|PATH] [--owner NAME] [--controller NAME] [--region CODE] [--copies N] "
           "[--collate] [--reverse] [--format NAME] [FILE...]";
}

int CBuildCommand::Run(const std::vector<std::string>& args)
{
    auto options = CJobOptions::ValueOptions();
    options.insert("-o");
    CArguments arguments(args, options, CJobOptions::Switches());
    const auto output = arguments.Value("-o");
    if (!output)
        arguments.Fail("-o JOB is required");
    CJobOptions job;
    job.Read(arguments);
    if (!arguments.Ok())
        return arguments.ReportUsage(*this);
    CPrintJob printJob;
    if (!job.FillList(printJob, arguments.Operands()) || !CSendPreparation::CheckEntries(printJob, 1))
        return kExitFailed;
    if (job.Choices().ownerName.empty()) {
        CMessageService::Show(ResId::kNoOwnerMessage);
        return kExitFailed;
    }
    printJob.SetOwnerName(job.Choices().ownerName);
    printJob.SetCollate(printJob.GetCount() > 0 && job.Choices().collate);
    printJob.SetReverseOrder(job.Choices().reverseOrder);
    const std::string& setting = job.Choices().setting;
    if (!CJobOptions::CheckSetting(setting) || !CSendPreparation::TakeSetting(printJob, setting))
        return kExitFailed;
    CConsoleMonitor monitor("Building");
    CSendFileBuilder::Result built =
        CSendFileBuilder(job.Controller().value_or(""), job.Region()).Build(printJob, monitor);
    if (built.status == CSendFileBuilder::Status::Cancelled)
        return kExitCancelled;
    if (built.status == CSendFileBuilder::Status::Failed || !MoveInPlace(std::move(built.file), *output))
        return kExitFailed;
    return kExitOk;
}
