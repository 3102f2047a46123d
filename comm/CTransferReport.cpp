#include "CTransferReport.h"

#include "CMessageService.h"
#include "CResourceModule.h"
#include "ResourceIds.h"

#include <sstream>

void CTransferReport::ReportFailure(const std::string& errorText)
{
    for (const unsigned id : FailureMessages(errorText)) {
        if (id != 0)
            CMessageService::Show(id);
        else
            CMessageService::ShowText(errorText);
    }
}

std::vector<unsigned> CTransferReport::FailureMessages(const std::string& errorText)
{
    std::vector<unsigned> ids;
    if (ErrorTextContains(errorText, CResourceModule::LoadString(ResId::kLoginRefusedText)))
        ids.push_back(ResId::kLoginRefusedMessage);
    if (ErrorTextContains(errorText, CResourceModule::LoadString(ResId::kConnectionRefusedText)))
        ids.push_back(ResId::kConnectionRefusedMessage);
    else
        ids.push_back(0);
    return ids;
}

std::string CTransferReport::FailureText(const std::string& errorText)
{
    std::string text;
    for (const unsigned id : FailureMessages(errorText))
        text += (text.empty() ? "" : "\n") + (id != 0 ? CMessageService::Format(id) : errorText);
    return text;
}

bool CTransferReport::ErrorTextContains(const std::string& errorText, const std::string& search)
{
    std::istringstream lines(errorText + "\n");
    std::string line;
    while (std::getline(lines, line))
        if (line.find(search) != std::string::npos)
            return true;
    return false;
}
