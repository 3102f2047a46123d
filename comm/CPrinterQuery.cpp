#include "CPrinterQuery.h"

#include "CMVFTP.h"

std::optional<CPrinterQuery::Answer> CPrinterQuery::Ask(const std::string& printerName, const std::string& user,
                                                       const std::string& password, std::chrono::milliseconds timeout)
{
    CMVFTP client(timeout);
    const bool answered = client.ConnectPrinter(printerName) && client.SendLine(user) && client.SendLine(password) &&
                          client.QueryStatus();
    client.Close();
    if (!answered)
        return std::nullopt;
    return Answer{client.GetControllerName(), client.HasPsPdfOption(), client.GetModelName()};
}
