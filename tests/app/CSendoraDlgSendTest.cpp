#include "CSendoraFixture.h"

#include "CEditWithSpin.h"
#include "CMakeSendFile.h"
#include "CMessageService.h"
#include "CPrintDataListCtrl.h"
#include "CPrintDataModel.h"
#include "CPrinterSimulator.h"
#include "CProcess.h"
#include "CRegistry.h"
#include "CRegistryValues.h"
#include "CSDComboBox.h"
#include "CScopedEnvironment.h"
#include "CSendFileDlg.h"
#include "CUploadThread.h"
#include "IMessageSink.h"
#include "ResourceIds.h"
#include "TestConfig.h"
#include "CaseNames.h"
#include "SimulatorOptions.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <filesystem>
#include <functional>
#include <optional>
#include <set>

// Sends from the main window as a user makes them: buttons pressed, the
// real printer simulator on a free port, a registry and a temporary folder
// of the test's own.
namespace {
using namespace std::chrono_literals;

constexpr int kSendTimeoutMs = 60000;
constexpr std::uint64_t kStallBytes = 256 << 10;
// More than the sockets of both sides hold once the printer stalls.
constexpr std::uint64_t kLargeFileBytes = 48 << 20;

const CPrinterSimulator::Options kPrinterWithModels = SimulatorOptions([](auto& o) { o.models = {"PlotraK1"}; });

// Threads of this process, which may end a while after their work.
int ThreadCount()
{
    return static_cast<int>(std::distance(std::filesystem::directory_iterator("/proc/self/task"),
                                          std::filesystem::directory_iterator()));
}

// Looks at the window whenever a message is shown, then passes it on.
class CMessageProbe : public IMessageSink {
public:
    explicit CMessageProbe(std::function<void()> look)
        : m_look(std::move(look))
        , m_next(CMessageService::SetSink(this))
    {
    }
    ~CMessageProbe() override { CMessageService::SetSink(m_next); }
    CMessageProbe(const CMessageProbe&) = delete;
    CMessageProbe& operator=(const CMessageProbe&) = delete;

    void ShowMessage(unsigned id, const std::string& text) override
    {
        m_look();
        m_next->ShowMessage(id, text);
    }

private:
    std::function<void()> m_look;
    IMessageSink* m_next;
};

// Counts the build windows shown while it lives.
class CBuildWindowCounter : public QObject {
public:
    CBuildWindowCounter() { qApp->installEventFilter(this); }
    int Shown() const { return m_shown; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show && qobject_cast<CMakeSendFile*>(watched))
            ++m_shown;
        return false;
    }

private:
    int m_shown = 0;
};

class SendFromWindow : public CSendoraFixture {
protected:
    // Controls that stand for all of them: buttons, boxes and the list.
    static constexpr const char* kControls[] = {"buttonSend",       "buttonSendSetup", "buttonClose",
                                                "buttonAddFiles",   "comboPrinterName", "editPrinterNumber",
                                                "checkReverseOrder", "listPrintData"};

    // One send command from the press of its button to its end, watched
    // all along.
    class CSendWatch {
    public:
        explicit CSendWatch(SendFromWindow& test)
            : m_test(test)
            , m_finished(test.m_window.get(), &CSendoraDlg::SendFinished)
            , m_probe([this] { AtMessage(); })
        {
            m_look.setInterval(2);
            QObject::connect(&m_look, &QTimer::timeout, &m_look, [this] { Look(); });
            QObject::connect(test.m_window.get(), &CSendoraDlg::SendFinished, &m_look, [this] { m_running = false; });
        }

        // Returns when the button's handler does: after the whole command
        // when it stops early, else once the upload runs.
        void Press(const char* button)
        {
            m_running = true;
            m_look.start();
            m_test.Child<QPushButton>(button).click();
        }
        bool WaitForEnd()
        {
            const bool ended = m_finished.count() > 0 || m_finished.wait(kSendTimeoutMs);
            m_look.stop();
            return ended && m_finished.count() == 1;
        }
        bool ControlsSeenEnabled() const { return m_controlsSeenEnabled; }
        bool ProgressWindowAtMessage() const { return m_progressAtMessage; }
        const std::set<std::string>& ProgressTexts() const { return m_progressTexts; }
        bool CancelSeenEnabledBeforeUpload() const { return m_cancelBeforeUpload; }
        // The progress window said the upload runs: its caption, or Cancel.
        bool SendingSeen() const { return m_sendingSeen; }

    private:
        void AtMessage()
        {
            m_controlsSeenEnabled = m_controlsSeenEnabled || m_test.AnyControlEnabled();
            m_progressAtMessage = m_progressAtMessage || m_test.ProgressWindow();
        }
        void Look()
        {
            if (!m_running)
                return;
            m_controlsSeenEnabled = m_controlsSeenEnabled || m_test.AnyControlEnabled();
            if (CSendFileDlg* progress = m_test.ProgressWindow()) {
                const std::string text = progress->findChild<QLabel*>("labelMessage")->text().toStdString();
                m_progressTexts.insert(text);
                const bool cancel = m_test.CancelButton(*progress).isEnabled();
                m_cancelBeforeUpload = m_cancelBeforeUpload || (text == CMessageService::Format(ResId::kConnectingCaption) && cancel);
                m_sendingSeen = m_sendingSeen || cancel || text == CMessageService::Format(ResId::kSendingCaption);
            }
        }

        SendFromWindow& m_test;
        QSignalSpy m_finished;
        CMessageProbe m_probe;
        QTimer m_look;
        bool m_running = false;
        bool m_controlsSeenEnabled = false;
        bool m_progressAtMessage = false;
        bool m_cancelBeforeUpload = false;
        bool m_sendingSeen = false;
        std::set<std::string> m_progressTexts;
    };

    SendFromWindow()
        : m_tmpVariable("TMPDIR", m_tmp.Path())
    {
    }

    // The window with the sample setting file listed.
    void Open()
    {
        std::filesystem::copy_file(std::string(test_config::kSourceDir) + "PrinterSetting/sample.prn", SamplePath());
        OpenWindow();
    }
    std::string SamplePath() const { return SettingFolder() + "sample.prn"; }

    void ChoosePrinter(const std::string& printerName, int number = 0)
    {
        Child<CSDComboBox>("comboPrinterName").setEditText(Q(printerName));
        Child<CEditWithSpin>("editPrinterNumber").SetText(QString::number(number));
        Child<CSDComboBox>("comboOwnerName").setEditText("Ada");
    }
    // The setting file of that title; the printer defaults for none.
    void ChooseSetting(const std::string& title = {})
    {
        const QString name = Q(title.empty() ? CMessageService::Format(ResId::kPrinterDefaultsName) : title);
        auto& box = Child<CSDComboBox>("comboPrinterSetting");
        box.setCurrentIndex(box.findText(name));
        ASSERT_EQ(box.currentText(), name);
    }
    void StoreFtpPassword(const std::string& password) const
    {
        ASSERT_TRUE(CRegistry().WriteValue(CRegistry::Hive::LocalMachine, CRegistryValues::ProgramKey(),
                                           "FtpPassword", password));
    }

    // An entry at the end of the list for a file of these bytes.
    std::string AddEntry(const std::string& name, const std::string& bytes = "IN;SP1;PA0,0;PD100,100;\n",
                         int copies = 1)
    {
        const std::string path = WriteFile("entries/" + name, bytes);
        Append(path, copies);
        return path;
    }
    // A file of zeros that takes no room on the disk.
    std::string AddLargeEntry(const std::string& name, std::uint64_t size)
    {
        const std::string path = WriteFile("entries/" + name, "");
        std::filesystem::resize_file(path, size);
        Append(path, 1);
        return path;
    }

    int EnabledControls() const
    {
        int enabled = 0;
        for (const char* name : kControls)
            enabled += m_window->findChild<QWidget*>(name)->isEnabled();
        return enabled;
    }
    bool AnyControlEnabled() const { return EnabledControls() > 0; }
    bool AllControlsEnabled() const { return EnabledControls() == static_cast<int>(std::size(kControls)); }
    CSendFileDlg* ProgressWindow() const
    {
        for (CSendFileDlg* window : m_window->findChildren<CSendFileDlg*>())
            if (window->isVisible())
                return window;
        return nullptr;
    }
    QPushButton& CancelButton(const QWidget& window) const { return *window.findChild<QPushButton*>("buttonCancel"); }
    // Job files of this program left in the temporary folder.
    std::set<std::string> SendFilesLeft() const
    {
        std::set<std::string> left;
        for (const std::string& file : FilesBelow(m_tmp.Path()))
            if (file.rfind("MSD", 0) == 0)
                left.insert(file);
        return left;
    }

    // The send ended without a word and left nothing, here or on the printer.
    void ExpectQuietEndLeavingNothing(const CSendWatch& send, const CPrinterSimulator& printer) const
    {
        EXPECT_TRUE(m_messages.Messages().empty()) << m_messages.Messages().front().text;
        EXPECT_TRUE(SendFilesLeft().empty());
        EXPECT_TRUE(FilesBelow(printer.Root()).empty());
        EXPECT_FALSE(send.ControlsSeenEnabled());
        EXPECT_TRUE(AllControlsEnabled());
    }

    // What the command line builds of the same choices.
    std::string Built(std::vector<std::string> args) const
    {
        const std::string job = m_out.File("built.pjl");
        args.insert(args.begin(), {"build", "-o", job, "--owner", "Ada"});
        const auto result = CProcess::Run(test_config::kCli, args, {{"TMPDIR", m_out.Path()}});
        EXPECT_EQ(result.exitCode, 0) << result.err;
        return NormalisedJob(ReadFileBytes(job));
    }

    // The command line's run of a send command with the same choices.
    CProcessResult FromCli(std::vector<std::string> args, const std::string& printer) const
    {
        args.insert(args.begin() + 1, {"--printer", printer, "--owner", "Ada"});
        return CProcess::Run(test_config::kCli, args, {{"TMPDIR", m_out.Path()}});
    }
    // The messages the window showed, as the command line writes them.
    std::string MessageLines() const
    {
        std::string lines;
        for (const auto& message : m_messages.Messages())
            lines += message.text + "\n";
        return lines;
    }

    // Waits until the upload runs, with Cancel enabled, and data has
    // reached the printer's file (which it then stops taking).
    void WaitForStalledUpload(const CPrinterSimulator& printer, const std::string& remoteName) const
    {
        ASSERT_TRUE(QTest::qWaitFor([this] { return ProgressWindow() && CancelButton(*ProgressWindow()).isEnabled(); },
                                    kSendTimeoutMs));
        const std::string partial = printer.Root() + remoteName;
        ASSERT_TRUE(QTest::qWaitFor([&] { return SizeOf(partial) > 0; }, kSendTimeoutMs));
    }

    CTempDir m_tmp;
    CTempDir m_out;

private:
    void Append(const std::string& path, int copies)
    {
        auto entry = std::make_unique<CPrintData>();
        ASSERT_TRUE(entry->SetFile(path));
        entry->SetCopies(copies);
        Job().InsertAt(Job().GetCount(), std::move(entry));
        List().Model().UpdateRowCount();
    }

    CScopedEnvironment m_tmpVariable;
};

TEST_F(SendFromWindow, PrintListLandsInTheFolderOfTheNumberAsBuiltForTheController)
{
    CPrinterSimulator printer(kPrinterWithModels);
    ASSERT_TRUE(printer.IsRunning());
    Open();
    ChoosePrinter(printer.Address(), 3);
    ChooseSetting("sample");
    Child<QCheckBox>("checkReverseOrder").setChecked(true);
    const std::string first = AddEntry("site plan.plt", "IN;SP1;PA0,0;PD1000,1000;PU;\n", 2);
    const std::string second = AddEntry("scan.tif", std::string("II*\0\x08\0\0\0", 8) + std::string(9000, 'U'), 2);

    CSendWatch send(*this);
    send.Press("buttonSend");
    ASSERT_TRUE(send.WaitForEnd());

    EXPECT_TRUE(m_messages.Messages().empty()) << m_messages.Messages().front().text;
    const std::string remote = "plt03p/site plan.plt.pjl";
    EXPECT_EQ(FilesBelow(printer.Root()), std::set<std::string>{remote});
    const std::string sent = NormalisedJob(ReadFileBytes(printer.Root() + remote));
    EXPECT_EQ(sent,
              Built({"--setting", SamplePath(), "--controller", "Heron", "--copies", "2", "--reverse", first, second}));
    const auto cli = FromCli({"send", "--number", "3", "--setting", SamplePath(), "--copies", "2", "--reverse", first,
                              second},
                             printer.Address());
    EXPECT_EQ(cli.exitCode, 0) << cli.err;
    EXPECT_EQ(NormalisedJob(ReadFileBytes(printer.Root() + remote)), sent);
    EXPECT_TRUE(send.ProgressTexts().count(CMessageService::Format(ResId::kConnectingCaption)));
    EXPECT_FALSE(send.CancelSeenEnabledBeforeUpload());
    EXPECT_FALSE(send.ControlsSeenEnabled());
    EXPECT_TRUE(AllControlsEnabled());
    EXPECT_EQ(ProgressWindow(), nullptr);
    EXPECT_TRUE(SendFilesLeft().empty());
}

TEST_F(SendFromWindow, SetupSendIsBuiltForTheControllerOfTheLastPrintListSend)
{
    CPrinterSimulator printer(kPrinterWithModels);
    ASSERT_TRUE(printer.IsRunning());
    Open();
    ChoosePrinter(printer.Address(), 7);
    ChooseSetting("sample");
    const std::string setup = printer.Root() + "plt07p/SetupPrint.pjl";

    CSendWatch before(*this);
    before.Press("buttonSendSetup");
    ASSERT_TRUE(before.WaitForEnd());
    EXPECT_EQ(FilesBelow(printer.Root()), std::set<std::string>{"plt07p/SetupPrint.pjl"});
    EXPECT_EQ(NormalisedJob(ReadFileBytes(setup)), Built({"--setting", SamplePath()}));

    AddEntry("a.plt");
    CSendWatch printList(*this);
    printList.Press("buttonSend");
    ASSERT_TRUE(printList.WaitForEnd());
    CSendWatch after(*this);
    after.Press("buttonSendSetup");
    ASSERT_TRUE(after.WaitForEnd());

    EXPECT_EQ(NormalisedJob(ReadFileBytes(setup)), Built({"--setting", SamplePath(), "--controller", "Heron"}));
    EXPECT_TRUE(m_messages.Messages().empty()) << m_messages.Messages().front().text;
    for (const CSendWatch* send : {&before, &printList, &after})
        EXPECT_FALSE(send->ControlsSeenEnabled());
    EXPECT_TRUE(AllControlsEnabled());
    EXPECT_TRUE(SendFilesLeft().empty());
}

// Sends that stop before anything reaches the printer, or fail there.
struct CRefusalCase {
    const char* name;
    const char* button;
    std::vector<std::string> entries;
    CPrinterSimulator::Options printer;
    bool printerRunning;
    std::string setting;
    std::string ftpPassword;
    std::vector<unsigned> ids;
    // The message came while the progress window showed.
    bool progressAtMessage;
    // The text of the last message, when it is the printer's.
    std::string printersText = {};
    // The same send from the command line (its command and options beyond
    // printer and owner; the entries follow), where the two share the case.
    std::vector<std::string> cli = {};
};

class SendFromWindowRefusals : public SendFromWindow, public testing::WithParamInterface<CRefusalCase> {};

TEST_P(SendFromWindowRefusals, StopWithTheirMessagesAndLeaveTheWindowIdle)
{
    const CRefusalCase& c = GetParam();
    std::optional<CPrinterSimulator> printer(std::in_place, c.printer);
    ASSERT_TRUE(printer->IsRunning());
    const std::string root = printer->Root();
    const std::string address = printer->Address();
    if (!c.printerRunning)
        printer.reset();
    Open();
    ChoosePrinter(address);
    ChooseSetting(c.setting);
    if (!c.ftpPassword.empty())
        StoreFtpPassword(c.ftpPassword);
    std::vector<std::string> cli = c.cli;
    for (const std::string& name : c.entries)
        cli.push_back(AddEntry(name));

    CSendWatch send(*this);
    send.Press(c.button);
    ASSERT_TRUE(send.WaitForEnd());

    EXPECT_EQ(m_messages.Ids(), c.ids);
    if (!c.cli.empty()) {
        const auto result = FromCli(cli, address);
        EXPECT_EQ(result.exitCode, 1);
        EXPECT_EQ(result.err, MessageLines());
    }
    if (!c.printersText.empty() && !m_messages.Messages().empty()) {
        EXPECT_EQ(m_messages.Messages().back().text, c.printersText);
    }
    EXPECT_FALSE(send.ControlsSeenEnabled());
    EXPECT_TRUE(AllControlsEnabled());
    EXPECT_EQ(ProgressWindow(), nullptr);
    EXPECT_EQ(send.ProgressWindowAtMessage(), c.progressAtMessage);
    EXPECT_FALSE(send.SendingSeen());
    EXPECT_TRUE(FilesBelow(root).empty());
    EXPECT_TRUE(SendFilesLeft().empty());
}

// Long enough for the progress window to look at the upload several times.
const CPrinterSimulator::Options kPrinterRefusingSlowly = SimulatorOptions([](auto& o) { o.refusalPauseMs = 500; });
const CPrinterSimulator::Options kPrinterWithoutPsPdf = SimulatorOptions([](auto& o) {
    o.models = {"PlotraK2"};
    o.version = "3.0";
});

INSTANTIATE_TEST_SUITE_P(
    Cases, SendFromWindowRefusals,
    testing::Values(CRefusalCase{"EmptyList", "buttonSend", {}, {}, true, "", "", {}, false},
                    CRefusalCase{"PrinterDefaultsAsSetup", "buttonSendSetup", {}, {}, true, "", "", {ResId::kDefaultSetupMessage}, false, "",
                                 {"setup", "--setting", "(Printer defaults)"}},
                    CRefusalCase{"UnreachablePrinter", "buttonSend", {"a.plt"}, {}, false, "", "", {ResId::kNoAnswerMessage}, true, "",
                                 {"send"}},
                    CRefusalCase{"PdfToPrinterWithoutPsPdf", "buttonSend", {"a.plt", "cover.pdf"},
                                 kPrinterWithoutPsPdf, true, "", "", {ResId::kNoPsPdfMessage}, true, "", {"send"}},
                    CRefusalCase{"RefusedLogIn", "buttonSend", {"a.plt"}, kPrinterRefusingSlowly, true, "", "wrong",
                                 {ResId::kLoginRefusedMessage, 0}, true, "Login denied\n530 Authentication failed.", {"send"}},
                    CRefusalCase{"SetupToUnreachablePrinter", "buttonSendSetup", {}, kPrinterWithModels, false,
                                 "sample", "", {ResId::kConnectionRefusedMessage}, true, "", {"setup", "--setting", "sample", "--controller", ""}}),
    ByCaseName());

// Cancel pressed, or the window closed, while the printer takes nothing:
// the upload ends at once, without a word, and leaves no file anywhere.
class SendFromWindowStalled : public SendFromWindow, public testing::WithParamInterface<bool> {};

TEST_P(SendFromWindowStalled, CancelOrCloseStopsTheUploadSilentlyAndLeavesNoFile)
{
    const bool close = GetParam();
    CPrinterSimulator printer(SimulatorOptions([](auto& o) { o.stallAfter = kStallBytes; }));
    ASSERT_TRUE(printer.IsRunning());
    Open();
    ChoosePrinter(printer.Address());
    AddLargeEntry("big.plt", kLargeFileBytes);
    const int threads = ThreadCount();

    CSendWatch send(*this);
    send.Press("buttonSend");
    WaitForStalledUpload(printer, "plt00p/big.plt.pjl");
    CSendFileDlg& progress = *ProgressWindow();
    EXPECT_EQ(progress.findChild<QLabel*>("labelMessage")->text(), Q(CMessageService::Format(ResId::kSendingCaption)));
    EXPECT_EQ(static_cast<std::uint64_t>(progress.findChild<QProgressBar*>("progressSend")->maximum()),
              SizeOf(m_tmp.Path() + *SendFilesLeft().begin()));
    const auto start = std::chrono::steady_clock::now();
    if (close)
        m_window->close();
    else
        QTest::mouseClick(&CancelButton(progress), Qt::LeftButton);
    EXPECT_FALSE(progress.isVisible());
    ASSERT_TRUE(send.WaitForEnd());

    EXPECT_LT(std::chrono::steady_clock::now() - start, 20s);
    EXPECT_NE(m_window->isVisible(), close);
    // No late report of the ended upload either.
    QTest::qWait(200);
    EXPECT_TRUE(m_window->findChildren<CUploadThread*>().empty());
    EXPECT_LE(ThreadCount(), threads);
    ExpectQuietEndLeavingNothing(send, printer);
    EXPECT_EQ(printer.Output().find("received"), std::string::npos) << printer.Output();
    if (close) {
        EXPECT_EQ(ReadUserValue("PrinterName"), printer.Address());
    }
}

INSTANTIATE_TEST_SUITE_P(By, SendFromWindowStalled, testing::Values(false, true),
                         [](const testing::TestParamInfo<bool>& info) { return info.param ? "Close" : "Cancel"; });

TEST_F(SendFromWindow, CancelDuringTheBuildStopsSilentlyAndLeavesNoFile)
{
    CPrinterSimulator printer({});
    ASSERT_TRUE(printer.IsRunning());
    Open();
    ChoosePrinter(printer.Address());
    AddLargeEntry("big.plt", std::uint64_t{1} << 30);
    bool cancelled = false;
    QTimer canceller;
    QObject::connect(&canceller, &QTimer::timeout, [&] {
        for (CMakeSendFile* build : m_window->findChildren<CMakeSendFile*>())
            if (build->isVisible() && !cancelled) {
                cancelled = true;
                QTest::mouseClick(&CancelButton(*build), Qt::LeftButton);
            }
    });
    canceller.start(5);

    CSendWatch send(*this);
    send.Press("buttonSend");
    ASSERT_TRUE(send.WaitForEnd());

    EXPECT_TRUE(cancelled);
    ExpectQuietEndLeavingNothing(send, printer);
    EXPECT_EQ(ProgressWindow(), nullptr);
}

TEST_F(SendFromWindow, ClosingTheWindowDuringThePrinterDialogueClosesBeforeAnyBuild)
{
    CPrinterSimulator printer({});
    ASSERT_TRUE(printer.IsRunning());
    Open();
    ChoosePrinter(printer.Address());
    AddEntry("a.plt");
    CBuildWindowCounter builds;
    bool inDialogue = false;
    // The dialogue waits half a second for the status reply alone.
    QTimer::singleShot(100, m_window.get(), [&] {
        const CSendFileDlg* progress = ProgressWindow();
        inDialogue = progress && progress->findChild<QLabel*>("labelMessage")->text() ==
                                     Q(CMessageService::Format(ResId::kConnectingCaption));
        m_window->close();
    });

    CSendWatch send(*this);
    send.Press("buttonSend");
    ASSERT_TRUE(send.WaitForEnd());

    EXPECT_TRUE(inDialogue);
    EXPECT_FALSE(m_window->isVisible());
    EXPECT_EQ(builds.Shown(), 0);
    EXPECT_FALSE(send.SendingSeen());
    ExpectQuietEndLeavingNothing(send, printer);
    EXPECT_EQ(ReadUserValue("PrinterName"), printer.Address());
}
}
