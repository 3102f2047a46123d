#include "CStructureCommand.h"

#include "CJobStructure.h"

#include <iostream>

int CStructureCommand::Run(const std::vector<std::string>& args)
{
    if (args.size() != 1) {
        std::cerr << "usage: qx-sendora-cli " << Usage() << '\n';
        return kExitUsage;
    }
    CJobStructure::Job job;
    std::string error;
    const bool ok = CJobStructure::Read(args[0], job, error);
    if (!job.header.empty())
        CJobStructure::Print(job, std::cout);
    if (ok)
        return kExitOk;
    std::cerr << "qx-sendora-cli: damaged job: " << error << '\n';
    return kExitFailed;
}
