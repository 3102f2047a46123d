#include "CInspectCommand.h"

#include "CJobInspector.h"

#include <iostream>

int CInspectCommand::Run(const std::vector<std::string>& args)
{
    if (args.size() != 1) {
        std::cerr << "usage: qx-sendora-cli " << Usage() << '\n';
        return kExitUsage;
    }
    CJobInspector::Job job;
    std::string error;
    const bool ok = CJobInspector::Read(args[0], job, error);
    if (!job.header.empty())
        CJobInspector::Print(job, std::cout);
    if (ok)
        return kExitOk;
    std::cerr << "qx-sendora-cli: damaged job: " << error << '\n';
    return kExitFailed;
}
