#include "CTransferReport.h"

#include "CMessageService.h"
#include "CResourceModule.h"
#include "ResourceIds.h"

#include <sstream>

void CTransferReport::ReportFailure(const std::string& errorText)
{
    if (ErrorTextContains(errorText, CResourceModule::LoadString(ResId::kLoginRefusedText)))
        CMessageService::Show(ResId::kLoginRefusedMessage);
    if (ErrorTextContains(errorText, CResourceModule::LoadString(ResId::kConnectionRefusedText)))
        CMessageService::Show(ResId::kConnectionRefusedMessage);
    else
        CMessageService::ShowText(errorText);
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
