#pragma once

#include <string>

// Every value the program keeps in the registry, with its default. All live
// under "Software\Marovia\QX-Sendora\" and the version key: the per-user
// values under HKEY_CURRENT_USER, the FTP account under HKEY_LOCAL_MACHINE.
class CRegistryValues {
public:
    static std::string ProgramKey();
    // Installation creates the machine-wide key; without it the program
    // does not start.
    static bool IsInstalled();

    static bool WriteInstallPath(const std::string& folder);
    // 0 when missing, empty or not a number from 0 to 99.
    static int ReadPrinterNo();
    static std::string ReadPrinterSetting();
    static std::string ReadPrinterName();
    static std::string ReadOwnerName();
    // What the main window remembers at close, written in this order.
    static bool WriteWindowState(int printerNo, const std::string& ownerName, const std::string& printerName,
                                 const std::string& printerSetting);

    // "Sendora" and "KX" when missing or empty.
    static std::string ReadFtpUserName();
    static std::string ReadFtpPassword();

    // Days the send history keeps a send: "HistoryDays", 365 when missing
    // or not a number; 0 keeps every send.
    static int ReadHistoryDays();
    // The Windows code page of the text in a job, "JobCodePage": 932 or
    // 1252; 0 when missing or another value.
    static int ReadJobCodePage();

    static constexpr const char* kDefaultFtpUserName = "Sendora";
    static constexpr const char* kDefaultFtpPassword = "KX";
    static constexpr int kDefaultHistoryDays = 365;
};
