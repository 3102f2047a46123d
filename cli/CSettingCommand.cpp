#include "CSettingCommand.h"

#include "CArguments.h"
#include "CConsoleMessageSink.h"
#include "CJobOptions.h"
#include "CMessageService.h"
#include "CProgramVersion.h"
#include "CSettingFile.h"
#include "CSettingsCommand.h"
#include "CSettingsEditor.h"
#include "CSettingsPage.h"
#include "ResourceIds.h"

#include <algorithm>
#include <filesystem>
#include <iostream>

namespace {
std::string Joined(const std::vector<std::string>& values)
{
    std::string text;
    for (const std::string& value : values)
        text += (text.empty() ? "" : ", ") + value;
    return text;
}

bool Owns(const CSettingsPage& page, const SettingKey& key)
{
    const auto owned = page.OwnedKeys();
    return std::find(owned.begin(), owned.end(), key) != owned.end();
}
}

CSettingCommand::CSettingCommand() = default;

CSettingCommand::~CSettingCommand() = default;

std::string CSettingCommand::Usage() const
{
    return "setting list | show NAME|PATH | save-as NAME|PATH NEW [SECTION/KEY=VALUE ...] [--overwrite]";
}

int CSettingCommand::Run(const std::vector<std::string>& args)
{
    const std::string action = args.empty() ? std::string() : args.front();
    const std::vector<std::string> rest(args.empty() ? args.end() : args.begin() + 1, args.end());
    if (action == "list")
        return List(rest);
    if (action == "show")
        return Show(rest);
    if (action == "save-as")
        return SaveAs(rest);
    CArguments arguments(args, {}, {});
    arguments.Fail(action.empty() ? "setting needs list, show or save-as" : "unknown action " + action);
    return arguments.ReportUsage(*this);
}

int CSettingCommand::List(const std::vector<std::string>& args)
{
    CArguments arguments(args, {}, {});
    if (!arguments.Operands().empty())
        arguments.Fail("setting list takes no operand");
    if (!arguments.Ok())
        return arguments.ReportUsage(*this);
    return CSettingsCommand().Run({});
}

int CSettingCommand::Show(const std::vector<std::string>& args)
{
    CArguments arguments(args, {}, {});
    if (arguments.Ok() && arguments.Operands().size() != 1)
        arguments.Fail("setting show takes one NAME|PATH");
    if (!arguments.Ok())
        return arguments.ReportUsage(*this);
    if (!Load(arguments.Operands().front()))
        return kExitFailed;
    for (const auto tab : CSettingsEditor::Tabs())
        for (const SettingLine& line : m_editor->GetPage(tab).Lines())
            std::cout << line.key.section << '/' << line.key.key << '=' << line.value
                      << (line.display.empty() ? "" : "  # " + line.display) << '\n';
    return kExitOk;
}

int CSettingCommand::SaveAs(const std::vector<std::string>& args)
{
    CArguments arguments(args, {}, {"--overwrite"});
    const std::vector<Change> changes = ReadChanges(arguments);
    if (!arguments.Ok())
        return arguments.ReportUsage(*this);
    const std::string target = TargetPath(arguments.Operands()[1]);
    const CSettingsEditor::Target checked = CSettingsEditor::CheckTarget(target);
    if (checked == CSettingsEditor::Target::Reserved)
        return kExitFailed;
    if (checked == CSettingsEditor::Target::Existing && !arguments.Has("--overwrite")) {
        Refuse(target + " exists; --overwrite replaces it");
        return kExitFailed;
    }
    if (!Load(arguments.Operands()[0]))
        return kExitFailed;
    for (const Change& change : changes)
        if (!Apply(change))
            return kExitFailed;
    const auto result = m_editor->SaveAs(target);
    if (result == CSettingsEditor::SaveResult::WriteFailed)
        CMessageService::Show(ResId::kSettingNotWrittenMessage, target);
    return result == CSettingsEditor::SaveResult::Saved ? kExitOk : kExitFailed;
}

std::vector<CSettingCommand::Change> CSettingCommand::ReadChanges(CArguments& arguments)
{
    const auto& operands = arguments.Operands();
    if (operands.size() < 2)
        arguments.Fail("setting save-as needs NAME|PATH and NEW");
    std::vector<Change> changes;
    for (std::size_t i = 2; i < operands.size(); ++i) {
        const auto change = ParseChange(operands[i]);
        if (!change)
            arguments.Fail(operands[i] + " is not SECTION/KEY=VALUE");
        else
            changes.push_back(*change);
    }
    return changes;
}

bool CSettingCommand::Load(const std::string& setting)
{
    if (!CJobOptions::CheckSetting(setting))
        return false;
    const CSettingFile::Resolution resolution = CSettingFile().Resolve(setting);
    if (!resolution.ok) {
        CMessageService::Show(ResId::kCannotLoadSettingMessage);
        return false;
    }
    const std::string region = CProgramVersion::ReadRegionCode();
    m_plotter.LoadConfig(region);
    const std::string name =
        setting.find('/') == std::string::npos ? setting : std::filesystem::path(setting).stem().string();
    m_editor = std::make_unique<CSettingsEditor>(m_plotter, region, name, resolution.path);
    for (const auto tab : CSettingsEditor::Tabs())
        m_editor->ShowPage(tab);
    return true;
}

bool CSettingCommand::Apply(const Change& change)
{
    const SettingKey key{change.section, change.key};
    SettingEdit edit{SettingEdit::Status::UnknownKey, {}};
    for (const auto tab : CSettingsEditor::Tabs()) {
        CSettingsPage& page = m_editor->GetPage(tab);
        if (Owns(page, key)) {
            edit = page.Edit(key, change.value);
            break;
        }
    }
    const std::string name = change.section + '/' + change.key;
    if (edit.status == SettingEdit::Status::BadValue)
        Refuse(name + " cannot be " + change.value + "; the values on offer: " + Joined(edit.offered));
    else if (edit.status == SettingEdit::Status::UnknownKey)
        Refuse("no page edits " + name + "; setting show lists the keys on offer");
    return edit.status == SettingEdit::Status::Applied;
}

// The section may hold "/" itself ("Input/Output Mode"), the key never.
std::optional<CSettingCommand::Change> CSettingCommand::ParseChange(const std::string& text)
{
    const auto equals = text.find('=');
    if (equals == std::string::npos)
        return std::nullopt;
    const auto slash = text.rfind('/', equals);
    if (slash == std::string::npos || slash == 0 || slash + 1 == equals)
        return std::nullopt;
    return Change{text.substr(0, slash), text.substr(slash + 1, equals - slash - 1), text.substr(equals + 1)};
}

std::string CSettingCommand::TargetPath(const std::string& name)
{
    return CSettingsEditor::SavePath(name.find('/') != std::string::npos ? name
                                                                         : CSettingFile::GetDefaultFolder() + name);
}

void CSettingCommand::Refuse(const std::string& text) const
{
    std::cerr << CConsoleMessageSink::kPrefix << Name() << ": " << text << '\n';
}
