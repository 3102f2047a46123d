#include "CDefaultsCommand.h"

#include "CArguments.h"
#include "CMessageService.h"
#include "CProgramVersion.h"
#include "CSettingFile.h"
#include "CSettingsWriter.h"

#include <filesystem>
#include <iostream>
#include <sstream>

namespace {
// A name as the main window lists it, or a path when it holds a "/".
std::optional<std::string> SettingFilePath(const std::string& setting)
{
    if (setting.find('/') != std::string::npos) {
        std::error_code error;
        if (!std::filesystem::is_regular_file(setting, error))
            return std::nullopt;
        return setting;
    }
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
    const CArguments arguments(args, {"--setting", "--controller", "--region"}, {});
    const auto setting = arguments.Value("--setting");
    if (!arguments.Ok() || !arguments.Operands().empty() || !setting) {
        std::cerr << "qx-sendora-cli defaults: "
                  << (arguments.Ok() ? std::string("--setting is required") : arguments.Error()) << '\n'
                  << "usage: qx-sendora-cli " << Usage() << '\n';
        return kExitUsage;
    }
    const auto path = SettingFilePath(*setting);
    if (!path) {
        CMessageService::Show(CSettingFile::kCannotLoadMessage);
        return kExitFailed;
    }
    const std::string region = arguments.Value("--region").value_or(CProgramVersion::ReadRegionCode());
    // Nothing is printed unless the whole block could be written.
    std::ostringstream block;
    if (!CSettingsWriter::WriteForController(block, *path, region, arguments.Value("--controller").value_or(""))) {
        CMessageService::Show(CSettingsWriter::kMissingSettingMessage);
        return kExitFailed;
    }
    std::cout << block.str() << std::flush;
    return kExitOk;
}
