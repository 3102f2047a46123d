#include "CRegistryValues.h"

#include "CProgramVersion.h"
#include "CRegistry.h"
#include "CTextFields.h"

namespace {
std::string ReadUser(const char* name)
{
    return CRegistry().ReadValue(CRegistry::Hive::CurrentUser, CRegistryValues::ProgramKey(), name);
}

bool WriteUser(const char* name, const std::string& text)
{
    return CRegistry().WriteValue(CRegistry::Hive::CurrentUser, CRegistryValues::ProgramKey(), name, text);
}

std::string ReadMachine(const char* name, const char* fallback)
{
    const std::string text = CRegistry().ReadValue(CRegistry::Hive::LocalMachine, CRegistryValues::ProgramKey(), name);
    return text.empty() ? fallback : text;
}
}

std::string CRegistryValues::ProgramKey()
{
    return "Software\\Marovia\\QX-Sendora\\" + CProgramVersion::GetVersionKey();
}

bool CRegistryValues::IsInstalled()
{
    return CRegistry().KeyExists(CRegistry::Hive::LocalMachine, ProgramKey());
}

bool CRegistryValues::WriteInstallPath(const std::string& folder)
{
    return WriteUser("InstallPath", folder);
}

int CRegistryValues::ReadPrinterNo()
{
    const std::string text = ReadUser("PrinterNo");
    if (text.empty() || text.size() > 2 || !CTextFields::IsDigits(text))
        return 0;
    return std::stoi(text);
}

std::string CRegistryValues::ReadPrinterSetting()
{
    return ReadUser("PrinterSetting");
}

std::string CRegistryValues::ReadPrinterName()
{
    return ReadUser("PrinterName");
}

std::string CRegistryValues::ReadOwnerName()
{
    return ReadUser("OwnerName");
}

bool CRegistryValues::WriteWindowState(int printerNo, const std::string& ownerName, const std::string& printerName,
                                       const std::string& printerSetting)
{
    bool written = WriteUser("PrinterNo", std::to_string(printerNo));
    written = WriteUser("OwnerName", ownerName) && written;
    written = WriteUser("PrinterName", printerName) && written;
    return WriteUser("PrinterSetting", printerSetting) && written;
}

int CRegistryValues::ReadHistoryDays()
{
    const std::string text = ReadUser("HistoryDays");
    if (text.empty() || text.size() > 6 || !CTextFields::IsDigits(text))
        return kDefaultHistoryDays;
    return std::stoi(text);
}

int CRegistryValues::ReadJobCodePage()
{
    const std::string text = ReadUser("JobCodePage");
    return text == "932" ? 932 : text == "1252" ? 1252 : 0;
}

std::string CRegistryValues::ReadFtpUserName()
{
    return ReadMachine("FtpUserName", kDefaultFtpUserName);
}

std::string CRegistryValues::ReadFtpPassword()
{
    return ReadMachine("FtpPassword", kDefaultFtpPassword);
}
