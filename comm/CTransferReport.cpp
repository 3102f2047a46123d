#include "CTransferReport.h"

#include "CMessageService.h"
#include "ResourceIds.h"

namespace {
unsigned MessageOf(CFtpUpload::Failure failure)
{
    switch (failure) {
    case CFtpUpload::Failure::LoginRefused:
        return ResId::kLoginRefusedMessage;
    case CFtpUpload::Failure::ConnectionRefused:
        return ResId::kConnectionRefusedMessage;
    case CFtpUpload::Failure::UnknownHost:
        return ResId::kUnknownPrinterNameMessage;
    case CFtpUpload::Failure::NoAnswer:
        return ResId::kNoAnswerMessage;
    case CFtpUpload::Failure::Stalled:
        return ResId::kPrinterStalledMessage;
    case CFtpUpload::Failure::HungUp:
        return ResId::kPrinterHungUpMessage;
    case CFtpUpload::Failure::Refused:
        return ResId::kPrinterRefusedJobMessage;
    case CFtpUpload::Failure::StorageFull:
        return ResId::kPrinterFullMessage;
    case CFtpUpload::Failure::None:
    case CFtpUpload::Failure::Other:
        break;
    }
    return ResId::kUploadFailedMessage;
}
}

CTransferReport::Message CTransferReport::Describe(const CFtpUpload& upload, const std::string& host)
{
    return Describe(upload.GetFailure(), upload.GetErrorText(), upload.GetStallSeconds(), host);
}

CTransferReport::Message CTransferReport::Describe(CFtpUpload::Failure failure, const std::string& detail,
                                                   long stallSeconds, const std::string& host)
{
    const unsigned id = MessageOf(failure);
    const std::string argument = failure == CFtpUpload::Failure::Stalled       ? std::to_string(stallSeconds)
                                 : failure == CFtpUpload::Failure::UnknownHost ? host
                                                                               : std::string();
    std::string text = CMessageService::Format(id, argument);
    if (!detail.empty())
        text += "\n" + detail;
    return {id, text};
}

void CTransferReport::Show(const Message& message)
{
    CMessageService::ShowComposed(message.id, message.text);
}
