#include "CSendoraFixture.h"

#include "CDesktopOpener.h"
#include "CMessageService.h"
#include "CPrintDataListCtrl.h"
#include "CPrinterSimulator.h"
#include "CProgramPaths.h"
#include "CProgramVersion.h"
#include "CRegistry.h"
#include "CRegistryValues.h"
#include "CSDComboBox.h"
#include "CScopedEnvironment.h"
#include "CShareDlg.h"
#include "IUrlOpener.h"
#include "LoopbackPort.h"
#include "ResourceIds.h"
#include "CaseNames.h"
#include "SimulatorOptions.h"

#include <QAction>
#include <QCursor>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QUrl>


// The commands that lead out of the window: the printer's web pages, the
// manual and the about box. Pages and the manual are recorded, not opened.
namespace {
using namespace std::chrono_literals;
using Urls = std::vector<std::string>;

class CUrlRecorder : public IUrlOpener {
public:
    CUrlRecorder() : m_previous(CDesktopOpener::SetOpener(this)) {}
    ~CUrlRecorder() override { CDesktopOpener::SetOpener(m_previous); }
    CUrlRecorder(const CUrlRecorder&) = delete;
    CUrlRecorder& operator=(const CUrlRecorder&) = delete;
    bool OpenUrl(const QUrl& url) override
    {
        opened.push_back(url.toString().toStdString());
        return browserStarts;
    }

    Urls opened;
    // False: as on a desktop without a browser.
    bool browserStarts = true;

private:
    IUrlOpener* m_previous;
};

class CSendoraDlgPagesTest : public CSendoraFixture {
protected:
    void Press(const char* button, const std::string& printerName)
    {
        Child<CSDComboBox>("comboPrinterName").setEditText(Q(printerName));
        Child<QPushButton>(button).click();
    }

    CUrlRecorder m_urls;
};

struct CPageCase {
    const char* name;
    const char* button;
    CPrinterSimulator::Options printer;
    // On the printer's host, a page of its controller family's own.
    const char* url;
};

const CPrinterSimulator::Options kHeron = SimulatorOptions([](auto& o) { o.models = {"PlotraK1"}; });
const CPrinterSimulator::Options kCorvid2ndOverIPv6 = SimulatorOptions([](auto& o) {
    o.models = {"PlotraK2"};
    o.version = "3.0";
    o.host = "::1";
});
const CPrinterSimulator::Options kUnknownModel = SimulatorOptions([](auto& o) { o.models = {"PlotraX9"}; });
const CPageCase kPages[] = {
    {"StatusHeron", "buttonStatusPage", kHeron, "http://127.0.0.1/status.html"},
    {"JobsCorvid2ndOverIPv6", "buttonJobsPage", kCorvid2ndOverIPv6, "http://[::1]/jobs.html"},
    {"ConfigurationHeron", "buttonConfigurationPage", kHeron, "http://127.0.0.1/config.html"},
    {"StatusUnknownModel", "buttonStatusPage", kUnknownModel, "http://127.0.0.1/cgi-bin/status"},
    {"JobsUnknownModel", "buttonJobsPage", kUnknownModel, "http://127.0.0.1/cgi-bin/jobs"},
    {"ConfigurationUnknownModel", "buttonConfigurationPage", kUnknownModel, "http://127.0.0.1/cgi-bin/config"}};

class PrinterPages : public CSendoraDlgPagesTest, public testing::WithParamInterface<CPageCase> {};

// The printer is named with its FTP port, which the web server does not
// share; the dialogue logs in with its own account, not the registry's.
TEST_P(PrinterPages, OpenTheFamilysPageOnThePrintersHost)
{
    CPrinterSimulator::Options options = GetParam().printer;
    options.logCommands = true;
    CPrinterSimulator printer(options);
    if (!printer.IsRunning() && options.host == "::1")
        GTEST_SKIP() << "no IPv6 loopback";
    ASSERT_TRUE(printer.IsRunning());
    OpenWindow();
    ASSERT_TRUE(CRegistry().WriteValue(CRegistry::Hive::LocalMachine, CRegistryValues::ProgramKey(), "FtpPassword",
                                       "secret"));

    Press(GetParam().button, printer.Address());

    EXPECT_EQ(m_urls.opened, Urls{GetParam().url});
    EXPECT_TRUE(m_messages.Messages().empty());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    ASSERT_TRUE(printer.WaitForOutput("command SS\n", 5s)) << printer.Output();
    EXPECT_EQ(printer.ControlBytes(), "Sendora\r\nKX\r\nSS\r\n");
}

INSTANTIATE_TEST_SUITE_P(Cases, PrinterPages, testing::ValuesIn(kPages), ByCaseName());

// A name the name service has never heard of is not a printer that is
// switched off; a printer that hangs up is neither.
TEST_F(CSendoraDlgPagesTest, NoPrinterNameOrNoAnswerOpensNoPage)
{
    OpenWindow();
    CPrinterSimulator hangingUp(SimulatorOptions([](auto& o) { o.hangUp = true; }));
    ASSERT_TRUE(hangingUp.IsRunning());
    const std::pair<std::string, unsigned> cases[] = {
        {"", ResId::kNoWebPrinterMessage},
        {"127.0.0.1:" + std::to_string(FreeLoopbackPort()), ResId::kNoWebAnswerMessage},
        {"printer.invalid", ResId::kUnknownPrinterNameMessage},
        {hangingUp.Address(), ResId::kPrinterHungUpMessage}};
    for (const auto& [printerName, id] : cases) {
        m_messages.Clear();
        Press("buttonJobsPage", printerName);
        EXPECT_EQ(m_messages.Ids(), std::vector<unsigned>{id}) << printerName;
    }
    EXPECT_TRUE(m_urls.opened.empty());
    EXPECT_TRUE(Child<QPushButton>("buttonSend").isEnabled());
}

// A printer that takes the connection and never answers: the window goes
// on painting and taking clicks, its controls off and the busy cursor on,
// and Cancel in the progress window ends the dialogue at once.
TEST_F(CSendoraDlgPagesTest, ASilentPrinterCanBeCancelledWithoutFreezingTheWindow)
{
    CPrinterSimulator mute(SimulatorOptions([](auto& o) { o.mute = true; }));
    ASSERT_TRUE(mute.IsRunning());
    OpenWindow();
    bool sendEnabled = true;
    bool busyCursor = false;
    bool cancelEnabled = false;
    QTimer look;
    look.setInterval(200);
    QObject::connect(&look, &QTimer::timeout, [&] {
        auto* cancel = m_window->findChild<QPushButton*>("buttonCancel");
        if (!cancel || !cancel->isVisible())
            return;
        sendEnabled = Child<QPushButton>("buttonSend").isEnabled();
        busyCursor = QApplication::overrideCursor() && QApplication::overrideCursor()->shape() == Qt::BusyCursor;
        cancelEnabled = cancel->isEnabled();
        look.stop();
        cancel->click();
    });
    look.start();
    const auto start = std::chrono::steady_clock::now();

    Press("buttonStatusPage", mute.Address());

    EXPECT_LT(std::chrono::steady_clock::now() - start, 3s);
    EXPECT_FALSE(sendEnabled);
    EXPECT_TRUE(busyCursor);
    EXPECT_TRUE(cancelEnabled);
    EXPECT_TRUE(m_messages.Messages().empty());
    EXPECT_TRUE(m_urls.opened.empty());
    EXPECT_TRUE(Child<QPushButton>("buttonSend").isEnabled());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(CSendoraDlgPagesTest, AboutItemShowsTheProgramsVersion)
{
    OpenWindow();
    const auto version = CProgramVersion::GetProgramVersion();
    ASSERT_TRUE(version);
    const std::string versionText = std::to_string(version->major) + "." + std::to_string(version->minor) + "." +
                                    std::to_string(version->build);
    QString shown;
    QTimer::singleShot(0, [&] {
        if (QWidget* about = QApplication::activeModalWidget()) {
            shown = about->findChild<QLabel*>("labelVersion")->text();
            about->findChild<QPushButton*>("buttonOk")->click();
        }
    });
    Child<QAction>("actionAbout").trigger();

    EXPECT_EQ(shown.toStdString(), CMessageService::Format(ResId::kAboutVersionText, versionText));
}

// The share window opens beside the main window, on its printer (what it
// shows and does: CShareDlgTest).
TEST_F(CSendoraDlgPagesTest, ShareOpensBesideTheWindowOnItsPrinter)
{
    const CTempDir state;
    const CScopedEnvironment dir("QX_SENDORA_PRINTER_APP_DIR", state.Path());
    OpenWindow();
    Child<CSDComboBox>("comboPrinterName").setEditText("plotter7");

    Child<QAction>("actionShare").trigger();

    auto* share = m_window->findChild<CShareDlg*>();
    ASSERT_NE(share, nullptr);
    EXPECT_TRUE(share->isVisible());
    EXPECT_FALSE(share->isModal());
    EXPECT_EQ(share->findChild<QComboBox*>("comboPrinter")->currentText(), "plotter7");
    share->close();
}

// Without the manual beside the program (a test's program folder has
// none), Help says where it was looked for; with one, Help and F1 open it.
// Without a browser the user is told so, with the address to copy (the
// printer pages open theirs the same way).
TEST_F(CSendoraDlgPagesTest, HelpAndF1OpenTheManual)
{
    OpenWindow();
    Child<QPushButton>("buttonHelp").click();
    const std::string besideProgram = CProgramPaths::GetProgramFolder() + "manual/index.html";
    ASSERT_EQ(m_messages.Ids(), std::vector<unsigned>{ResId::kNoManualMessage});
    EXPECT_EQ(m_messages.Messages()[0].text, CMessageService::Format(ResId::kNoManualMessage, besideProgram));

    m_window.reset();
    m_app.reset();
    const std::string manual = WriteFile("manual/index.html", "<html></html>");
    m_app = std::make_unique<CSendoraApp>(CUserConfig(UserConfigPath()), CSettingFile(SettingFolder()), &m_messages,
                                          manual);
    OpenWindow();
    Child<QPushButton>("buttonHelp").click();
    List().setFocus();
    QTest::keyClick(&List(), Qt::Key_F1);

    EXPECT_EQ(m_urls.opened, Urls(2, "file://" + manual));
    EXPECT_EQ(m_messages.Messages().size(), 1u);

    m_urls.browserStarts = false;
    Child<QPushButton>("buttonHelp").click();
    ASSERT_EQ(m_messages.Messages().size(), 2u);
    EXPECT_EQ(m_messages.Messages()[1].text, CMessageService::Format(ResId::kNoBrowserMessage, "file://" + manual));
}
}
