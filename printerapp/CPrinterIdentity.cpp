#include "CPrinterIdentity.h"

#include "CRegistryValues.h"

namespace {
constexpr const char* kMaker = "QX-Sendora";
}

std::optional<CPrinterQuery::Answer> CPrinterIdentity::Ask(const std::string& printerName)
{
    return CPrinterQuery::Ask(printerName, CRegistryValues::ReadFtpUserName(), CRegistryValues::ReadFtpPassword());
}

std::string CPrinterIdentity::DeviceId(const CPrinterQuery::Answer& answer)
{
    const std::string commands = answer.psPdfOption ? "HPGL,TIFF,CALS,PDF,PS" : "HPGL,TIFF,CALS";
    const std::string& model = answer.model.empty() ? answer.controllerName : answer.model;
    return std::string("MFG:") + kMaker + ";MDL:" + model + ";CMD:" + commands + ";";
}

std::string CPrinterIdentity::ModelOf(const std::string& deviceId)
{
    const std::string start = std::string("MFG:") + kMaker + ";MDL:";
    if (deviceId.compare(0, start.size(), start) != 0)
        return "";
    return deviceId.substr(start.size(), deviceId.find(';', start.size()) - start.size());
}

const char* CPrinterIdentity::DriverFor(const std::string& deviceId)
{
    const std::string maker = std::string("MFG:") + kMaker + ";";
    const auto commands = deviceId.find(";CMD:");
    if (deviceId.compare(0, maker.size(), maker) != 0 || commands == std::string::npos)
        return nullptr;
    const std::string list = "," + deviceId.substr(commands + 5, deviceId.find(';', commands + 5) - commands - 5) + ",";
    return list.find(",PDF,") != std::string::npos ? kPdfDriver : kPlainDriver;
}

std::string CPrinterIdentity::MakeAndModel(const std::string& controllerName)
{
    return std::string(kMaker) + " " + controllerName;
}
