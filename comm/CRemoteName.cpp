#include "CRemoteName.h"

#include "CMessageService.h"
#include "CPrintJob.h"
#include "ResourceIds.h"

#include <algorithm>
#include <cstdio>

std::string CRemoteName::Folder(int printerNumber)
{
    char folder[16];
    std::snprintf(folder, sizeof folder, "plt%02dp", printerNumber);
    return folder;
}

std::optional<std::string> CRemoteName::FileName(const CPrintJob& job)
{
    if (job.GetCount() == 0)
        return "SetupPrint.pjl";
    const std::string& name = job.GetAt(0)->GetFileName();
    const bool unusable = std::any_of(name.begin(), name.end(), [](char c) {
        return c == '/' || static_cast<unsigned char>(c) < 0x20 || c == 0x7F;
    });
    if (unusable) {
        CMessageService::Show(ResId::kUnusableNameMessage, name);
        return std::nullopt;
    }
    return name + ".pjl";
}
