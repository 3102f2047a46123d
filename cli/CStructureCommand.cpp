#include "CStructureCommand.h"

#include "CConsoleMessageSink.h"
#include "CJobStructure.h"

#include <iostream>

int CStructureCommand::Run(const std::vector<std::string>& args)
{
    if (args.size() != 1) {
        std::cerr << CConsoleMessageSink::kPrefix << Name() << ": " << Name() << " takes one JOB\nusage: qx-sendora-cli " << Usage()
                  << '\n';
        return kExitUsage;
    }
    const auto reading = CJobStructure::Read(args[0]);
    if (reading.outcome == CJobStructure::EOutcome::Unreadable) {
        std::cerr << "qx-sendora-cli: " << reading.reason << '\n';
        return kExitFailed;
    }
    if (!reading.job.header.empty())
        CJobStructure::Print(reading.job, std::cout);
    if (reading.outcome == CJobStructure::EOutcome::Complete)
        return kExitOk;
    std::cerr << "qx-sendora-cli: damaged job: " << reading.reason << '\n';
    return kExitFailed;
}
