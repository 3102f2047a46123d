#include "CPrinterQuery.h"

#include "CMVFTP.h"
#include "CMessageService.h"
#include "CPrinterAddress.h"
#include "ResourceIds.h"

CPrinterQuery::Outcome CPrinterQuery::Run(const std::string& printerName, const std::string& user,
                                          const std::string& password, const CCancellation* cancellation,
                                          std::chrono::milliseconds timeout)
{
    CMVFTP client(timeout);
    client.SetCancellation(cancellation);
    const bool answered = client.ConnectPrinter(printerName) && client.SendLine(user) && client.SendLine(password) &&
                          client.QueryStatus();
    client.Close();
    if (!answered)
        return {std::nullopt, client.GetFailure()};
    return {Answer{client.GetControllerName(), client.HasPsPdfOption(), client.GetModelName()}, Failure::None};
}

std::optional<CPrinterQuery::Answer> CPrinterQuery::Ask(const std::string& printerName, const std::string& user,
                                                       const std::string& password, std::chrono::milliseconds timeout)
{
    return Run(printerName, user, password, nullptr, timeout).answer;
}

void CPrinterQuery::ShowFailure(Failure failure, const std::string& printerName, unsigned noAnswerMessage)
{
    switch (failure) {
    case Failure::Cancelled:
    case Failure::None:
        return;
    case Failure::UnknownHost: {
        const auto address = CPrinterAddress::Parse(printerName);
        CMessageService::Show(ResId::kUnknownPrinterNameMessage, address ? address->GetHost() : printerName);
        return;
    }
    case Failure::HungUp:
        CMessageService::Show(ResId::kPrinterHungUpMessage);
        return;
    case Failure::NoAnswer:
        break;
    }
    CMessageService::Show(noAnswerMessage);
}
