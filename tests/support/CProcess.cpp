#include "CProcess.h"

#include "CRunningProcess.h"

CProcessResult CProcess::Run(const std::string& program, const std::vector<std::string>& args,
                             const std::map<std::string, std::string>& environment)
{
    return CRunningProcess(program, args, environment).Wait(std::chrono::hours(24));
}
