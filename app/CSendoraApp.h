#pragma once

#include "CPlotter.h"
#include "CPrintJob.h"
#include "CSettingFile.h"
#include "CUserConfig.h"

#include <QFont>
#include <QStringList>

#include <memory>
#include <string>

class CMessageRelay;
class IMessageSink;
class QWidget;

// The application: start-up, the main window for the whole run, and what
// lives as long as the program does (region code, font, the main and the
// setup job, the printer capabilities).
class CSendoraApp {
public:
    // Not installed, or no resource module.
    static constexpr int kExitStartFailed = 1;

    // The main window reads the user lists and setting files given here and
    // opens the manual of that path; messages go to the given sink, or to
    // message boxes when none is given.
    explicit CSendoraApp(CUserConfig userConfig = CUserConfig::Default(), CSettingFile settingFiles = CSettingFile(),
                         IMessageSink* messages = nullptr, std::string manualPath = DefaultManualPath());
    ~CSendoraApp();
    CSendoraApp(const CSendoraApp&) = delete;
    CSendoraApp& operator=(const CSendoraApp&) = delete;

    // The whole run: Start, then the main window, modal, until it closes,
    // with the given files and folders in its print list. The exit code.
    int RunApplication(const QStringList& paths = {});
    // Resource module (false, and a plain text on standard error, without
    // one), region code, the installation check (its message and false
    // without the machine-wide key), install path and font.
    bool Start();

    // The one application object, while it exists.
    static CSendoraApp* Instance();
    // The user manual's first page, in the folder "manual" beside the program.
    static std::string DefaultManualPath();
    void LocaliseWindow(QWidget& window) const;

    const std::string& GetRegionCode() const { return m_regionCode; }
    const QFont& GetFont() const { return m_font; }
    CPrintJob& GetMainJob() { return m_mainJob; }
    CPrintJob& GetSetupJob() { return m_setupJob; }
    CPlotter& GetPlotter() { return m_plotter; }
    const CUserConfig& GetUserConfig() const { return m_userConfig; }
    const CSettingFile& GetSettingFiles() const { return m_settingFiles; }
    const std::string& GetManualPath() const { return m_manualPath; }

private:
    static QFont CreateFont();

    std::string m_regionCode;
    QFont m_font;
    CPrintJob m_mainJob;
    CPrintJob m_setupJob;
    CPlotter m_plotter;
    CUserConfig m_userConfig;
    CSettingFile m_settingFiles;
    std::string m_manualPath;
    std::unique_ptr<IMessageSink> m_messageBoxes;
    IMessageSink* m_messages;
    std::unique_ptr<CMessageRelay> m_relay;
    IMessageSink* m_previousMessages = nullptr;
};
