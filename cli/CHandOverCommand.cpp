#include "CHandOverCommand.h"

#include "CMessageService.h"
#include "CProgramPaths.h"
#include "ResourceIds.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>

CHandOverCommand::CHandOverCommand(const CommandText& text, const char* helper)
    : m_text(text)
    , m_helper(helper)
{
}

int CHandOverCommand::Run(const std::vector<std::string>& args)
{
    // Beside this program, wherever that was installed or built, and found
    // through the running file, not the PATH.
    const std::string path = CProgramPaths::GetProgramFolder() + Helper(args);
    std::vector<std::string> call{path, m_text.name};
    call.insert(call.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (auto& arg : call)
        argv.push_back(arg.data());
    argv.push_back(nullptr);
    execv(path.c_str(), argv.data());
    CMessageService::ShowText(CMessageService::Format(ResId::kHelperMissingMessage, path) + " (" +
                              std::strerror(errno) + ")");
    return kExitFailed;
}

std::string CHandOverCommand::Helper(const std::vector<std::string>&) const
{
    return m_helper;
}
