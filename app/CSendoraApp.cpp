#include "CSendoraApp.h"

#include "CMessageBoxSink.h"
#include "CMessageRelay.h"
#include "CMessageService.h"
#include "CProgramPaths.h"
#include "CProgramVersion.h"
#include "CRegistryValues.h"
#include "CResourceModule.h"
#include "CSendoraDlg.h"
#include "CVersionInfo.h"
#include "CWindowLocaliser.h"
#include "ResourceIds.h"

#include <QAction>
#include <QApplication>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QTimer>

#include <iostream>

namespace {
CSendoraApp* g_instance = nullptr;

// Long enough for the window to be shown and painted.
constexpr int kScreenshotDelayMs = 700;

// Saves the window into the PNG file once it is painted, then closes it.
void GrabLater(QDialog& window, const QString& file)
{
    QTimer::singleShot(kScreenshotDelayMs, &window, [&window, file] {
        window.grab().save(file, "PNG");
        window.reject();
    });
}

// QX_SENDORA_SCREENSHOT names a PNG file: the window is saved into it once
// it shows, and closed. With QX_SENDORA_SCREENSHOT_TAB the picture is of
// that tab of the settings sheet, opened by Edit settings, with
// QX_SENDORA_SCREENSHOT_HISTORY of the history dialog; with
// QX_SENDORA_SCREENSHOT_ROW that row of the print list is selected, so
// the preview pane shows it.
void ScheduleScreenshot(QDialog& window)
{
    const QString file = qEnvironmentVariable("QX_SENDORA_SCREENSHOT");
    if (file.isEmpty())
        return;
    const bool history = qEnvironmentVariableIsSet("QX_SENDORA_SCREENSHOT_HISTORY");
    if (!history && !qEnvironmentVariableIsSet("QX_SENDORA_SCREENSHOT_TAB")) {
        auto* list = window.findChild<QTableView*>("listPrintData");
        if (list && qEnvironmentVariableIsSet("QX_SENDORA_SCREENSHOT_ROW")) {
            const int row = qEnvironmentVariableIntValue("QX_SENDORA_SCREENSHOT_ROW");
            QTimer::singleShot(0, list, [list, row] { list->selectRow(row); });
        }
        GrabLater(window, file);
        return;
    }
    QTimer::singleShot(0, &window, [&window, file, history] {
        QTimer::singleShot(0, &window, [file] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            if (auto* tabs = dialog->findChild<QTabWidget*>("tabPages"))
                tabs->setCurrentIndex(qEnvironmentVariableIntValue("QX_SENDORA_SCREENSHOT_TAB"));
            GrabLater(*dialog, file);
        });
        if (auto* historyItem = window.findChild<QAction*>("actionHistory"); historyItem && history)
            historyItem->trigger();
        else if (auto* edit = window.findChild<QPushButton*>("buttonEditSettings"))
            edit->click();
        window.reject();
    });
}

// QX_SENDORA_SEND_AND_QUIT, when not empty, presses Send once the window
// shows and closes the window when that send has ended (for timing sends).
void ScheduleSendAndQuit(CSendoraDlg& window)
{
    if (qEnvironmentVariableIsEmpty("QX_SENDORA_SEND_AND_QUIT"))
        return;
    QObject::connect(&window, &CSendoraDlg::SendFinished, &window, &CSendoraDlg::reject, Qt::QueuedConnection);
    QTimer::singleShot(0, &window, [&window] {
        if (auto* send = window.findChild<QPushButton*>("buttonSend"))
            send->click();
    });
}

QString ProductName()
{
    return QString::fromStdString(CVersionInfo::Program().GetString("ProductName").value_or(""));
}
}

CSendoraApp::CSendoraApp(CUserConfig userConfig, CSettingFile settingFiles, IMessageSink* messages,
                         std::string manualPath)
    : m_userConfig(std::move(userConfig))
    , m_settingFiles(std::move(settingFiles))
    , m_manualPath(std::move(manualPath))
    , m_messageBoxes(messages ? nullptr : std::make_unique<CMessageBoxSink>(ProductName()))
    , m_messages(messages ? messages : m_messageBoxes.get())
    , m_relay(std::make_unique<CMessageRelay>(*m_messages))
{
    g_instance = this;
}

CSendoraApp::~CSendoraApp()
{
    if (m_previousMessages)
        CMessageService::SetSink(m_previousMessages);
    g_instance = nullptr;
}

CSendoraApp* CSendoraApp::Instance()
{
    return g_instance;
}

std::string CSendoraApp::DefaultManualPath()
{
    return CProgramPaths::GetProgramFolder() + "manual/index.html";
}

int CSendoraApp::RunApplication(const QStringList& paths)
{
    if (!Start())
        return kExitStartFailed;
    CSendoraDlg window(*this);
    window.AddPaths(paths);
    ScheduleScreenshot(window);
    ScheduleSendAndQuit(window);
    window.exec();
    return 0;
}

bool CSendoraApp::Start()
{
    m_previousMessages = CMessageService::SetSink(m_relay.get());
    if (!CResourceModule::LoadResourceModule()) {
        std::cerr << "qx-sendora: " << CResourceModule::LoadFailureText() << std::endl;
        return false;
    }
    m_regionCode = CProgramVersion::ReadRegionCode();
    if (!CRegistryValues::IsInstalled()) {
        CMessageService::Show(ResId::kNotInstalledMessage);
        return false;
    }
    CRegistryValues::WriteInstallPath(CProgramPaths::GetProgramFolder());
    m_font = CreateFont();
    return true;
}

QFont CSendoraApp::CreateFont()
{
    const QString face = QString::fromStdString(CResourceModule::LoadString(ResId::kFontFace));
    const int tenths = QString::fromStdString(CResourceModule::LoadString(ResId::kFontSizeTenths)).toInt();
    QFont font(face);
    if (tenths > 0)
        font.setPointSizeF(tenths / 10.0);
    return font;
}

void CSendoraApp::LocaliseWindow(QWidget& window) const
{
    CWindowLocaliser::LocaliseWindow(window, m_font);
}
