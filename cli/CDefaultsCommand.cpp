#include "CDefaultsCommand.h"

#include "CArguments.h"
#include "CJobOptions.h"
#include "CMessageService.h"
#include "CProgramVersion.h"
#include "CSettingFile.h"
#include "CSettingsWriter.h"
#include "ResourceIds.h"

#include <iostream>
#include <sstream>

namespace {
// A path (a name with a "/") as it is, a name as the main window lists it.
std::optional<std::string> SettingFilePath(const std::string& setting)
{
    if (setting.find('/') != std::string::npos)
        return setting;
    const auto resolution = CSettingFile().Resolve(setting);
    if (!resolution.ok)
        return std::nullopt;
    return resolution.path;
}
}

std::string CDefaultsCommand::Usage() const
{
    return "defaults --setting NAME|PATH [--controller NAME] [--region CODE]";
}

int CDefaultsCommand::Run(const std::vector<std::string>& args)
{
    CArguments arguments(args, {"--setting", "--controller", "--region"}, {});
    const auto setting = arguments.Value("--setting");
    if (!setting)
        arguments.Fail("--setting NAME|PATH is required");
    if (!arguments.Operands().empty())
        arguments.Fail("defaults takes no operand");
    if (!arguments.Ok())
        return arguments.ReportUsage(*this);
    if (!CJobOptions::CheckSetting(*setting))
        return kExitFailed;
    const auto path = SettingFilePath(*setting);
    if (!path) {
        CMessageService::Show(ResId::kCannotLoadSettingMessage);
        return kExitFailed;
    }
    const std::string region = arguments.Value("--region").value_or(CProgramVersion::ReadRegionCode());
    // Nothing is printed unless the whole block could be written.
    std::ostringstream block;
    if (!CSettingsWriter::WriteForController(block, *path, region, arguments.Value("--controller").value_or(""))) {
        CMessageService::Show(ResId::kMissingSettingMessage);
        return kExitFailed;
    }
    std::cout << block.str() << std::flush;
    return kExitOk;
}
