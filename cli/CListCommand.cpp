#include "CListCommand.h"

#include "CArguments.h"
#include "CIniDocument.h"
#include "CMessageService.h"
#include "IRegistList.h"
#include "ResourceIds.h"

#include <algorithm>

namespace {
int IndexOf(const std::vector<std::string>& entries, const std::string& entry)
{
    const auto found = std::find_if(entries.begin(), entries.end(), [&entry](const std::string& listed) {
        return CIniDocument::SameName(listed, entry);
    });
    return found == entries.end() ? -1 : static_cast<int>(found - entries.begin());
}
}

std::string CListCommand::Usage() const
{
    const std::string part = PartName().empty() ? "" : PartName() + ' ';
    const std::string listed = PartName().empty() ? "" : " [" + PartName() + ']';
    return Name() + " list" + listed + " | add " + part + EntryName() + " | remove " + part + EntryName();
}

int CListCommand::Run(const std::vector<std::string>& args)
{
    CArguments arguments(args, {}, {});
    CheckUsage(arguments);
    if (!arguments.Ok())
        return arguments.ReportUsage(*this);
    const std::string action = arguments.Operands().front();
    const std::vector<std::string> rest(arguments.Operands().begin() + 1, arguments.Operands().end());
    if (action == "list")
        return List(rest);
    std::optional<Opened> opened = Open(PartName().empty() ? std::string() : rest.front());
    if (!opened)
        return kExitFailed;
    return action == "add" ? Add(*opened, rest.back()) : Remove(*opened, rest.back());
}

void CListCommand::CheckUsage(CArguments& arguments) const
{
    const auto& operands = arguments.Operands();
    const std::string action = operands.empty() ? std::string() : operands.front();
    const std::size_t needed = PartName().empty() ? 1 : 2;
    if (action.empty())
        arguments.Fail(Name() + " needs list, add or remove");
    else if (action == "list" && operands.size() > needed)
        arguments.Fail(Name() + " list takes " + (PartName().empty() ? "no operand" : "at most one " + PartName()));
    else if (action != "list" && action != "add" && action != "remove")
        arguments.Fail("unknown action " + action);
    else if (action != "list" && operands.size() != needed + 1)
        arguments.Fail(Name() + ' ' + action + " takes " + (PartName().empty() ? "one " : PartName() + " and ") +
                       EntryName());
    else if (action != "list" && operands.back().empty())
        arguments.Fail(EntryName() + " is empty");
}

int CListCommand::Add(Opened& opened, const std::string& entry)
{
    const CRegistInput::Refusal refusal = opened.list->Add(entry);
    if (refusal.id != 0) {
        CMessageService::Show(refusal.id, refusal.argument);
        return kExitFailed;
    }
    return Write(opened);
}

int CListCommand::Remove(Opened& opened, const std::string& entry)
{
    const int index = IndexOf(opened.list->GetEntries(), entry);
    if (index < 0) {
        CMessageService::Show(opened.missingId);
        return kExitFailed;
    }
    opened.list->Delete(index);
    return Write(opened);
}

int CListCommand::Write(const Opened& opened)
{
    if (opened.list->Apply())
        return kExitOk;
    CMessageService::Show(ResId::kListNotWrittenMessage, opened.path);
    return kExitFailed;
}
