#include "CSendoraFixture.h"

#include "CEditWithSpin.h"
#include "CHistoryModel.h"
#include "CMakeSendFile.h"
#include "CMessageService.h"
#include "CPrintDataListCtrl.h"
#include "CPrinterSimulator.h"
#include "CProcess.h"
#include "CRegistry.h"
#include "CRegistryValues.h"
#include "CSDComboBox.h"
#include "CScopedEnvironment.h"
#include "CSendHistory.h"
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
#include <QTableView>
#include <QTest>
#include <QTimer>

#include <filesystem>
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
    // all along and whenever a message is shown (which it passes on).
    class CSendWatch : public IMessageSink {
    public:
        // Returns when the button's handler does: after the whole command
        // when it stops early, else once the upload runs.
        CSendWatch(SendFromWindow& test, const char* button)
            : m_test(test)
            , m_finished(test.m_window.get(), &CSendoraDlg::SendFinished)
            , m_next(CMessageService::SetSink(this))
        {
            QObject::connect(&m_look, &QTimer::timeout, &m_look, [this] { Look(); });
            QObject::connect(test.m_window.get(), &CSendoraDlg::SendFinished, &m_look, &QTimer::stop);
            m_look.start(2);
            m_test.Child<QPushButton>(button).click();
        }
        ~CSendWatch() override { CMessageService::SetSink(m_next); }

        bool WaitForEnd()
        {
            const bool ended = m_finished.count() > 0 || m_finished.wait(kSendTimeoutMs);
            m_look.stop();
            return ended && m_finished.count() == 1;
        }
        void ShowMessage(unsigned id, const std::string& text) override
        {
            controlsSeenEnabled = controlsSeenEnabled || m_test.AnyControlEnabled();
            progressAtMessage = progressAtMessage || m_test.ProgressWindow();
            m_next->ShowMessage(id, text);
        }

        bool controlsSeenEnabled = false;
        bool progressAtMessage = false;
        bool connectingSeen = false;
        bool cancelEnabledBeforeUpload = false;
        // The progress window said the upload runs: its caption, or Cancel.
        bool sendingSeen = false;

    private:
        void Look()
        {
            controlsSeenEnabled = controlsSeenEnabled || m_test.AnyControlEnabled();
            if (CSendFileDlg* progress = m_test.ProgressWindow()) {
                const std::string text = m_test.ProgressText();
                const bool connecting = text == CMessageService::Format(ResId::kConnectingCaption);
                const bool cancel = m_test.CancelButton(*progress).isEnabled();
                connectingSeen = connectingSeen || connecting;
                cancelEnabledBeforeUpload = cancelEnabledBeforeUpload || (connecting && cancel);
                sendingSeen = sendingSeen || cancel || text == CMessageService::Format(ResId::kSendingCaption);
            }
        }

        SendFromWindow& m_test;
        QSignalSpy m_finished;
        IMessageSink* m_next;
        QTimer m_look;
    };

    // The window with the sample setting file listed, owner Ada and a
    // printer simulator of these options chosen.
    void Open(const CPrinterSimulator::Options& printer, int number = 0)
    {
        m_printer.emplace(printer);
        EXPECT_TRUE(m_printer->IsRunning());
        std::filesystem::copy_file(std::string(test_config::kSourceDir) + "PrinterSetting/sample.prn", SamplePath());
        OpenWindow();
        Child<CSDComboBox>("comboPrinterName").setEditText(Q(m_printer->Address()));
        Child<CEditWithSpin>("editPrinterNumber").SetText(QString::number(number));
        Child<CSDComboBox>("comboOwnerName").setEditText("Ada");
    }
    std::string SamplePath() const { return SettingFolder() + "sample.prn"; }
    // The setting file of that title; the printer defaults for none.
    void ChooseSetting(const std::string& title = {})
    {
        const QString name = Q(title.empty() ? CMessageService::Format(ResId::kPrinterDefaultsName) : title);
        auto& box = Child<CSDComboBox>("comboPrinterSetting");
        box.setCurrentIndex(box.findText(name));
        ASSERT_EQ(box.currentText(), name);
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
    std::string ProgressText() const
    {
        const CSendFileDlg* progress = ProgressWindow();
        return progress ? progress->findChild<QLabel*>("labelMessage")->text().toStdString() : "";
    }
    // Job files of this program left in the temporary folder.
    std::set<std::string> SendFilesLeft() const
    {
        std::set<std::string> left;
        for (const std::string& file : FilesBelow(m_tmp.Path()))
            if (file.rfind("MSD", 0) == 0)
                left.insert(file);
        return left;
    }

    // The controls stayed disabled all through the send and are enabled
    // again, without a progress window or a job file left.
    void ExpectIdleAgain(const CSendWatch& send) const
    {
        EXPECT_FALSE(send.controlsSeenEnabled);
        EXPECT_TRUE(AllControlsEnabled());
        EXPECT_EQ(ProgressWindow(), nullptr);
        EXPECT_TRUE(SendFilesLeft().empty());
    }
    // The send ended without a word and left nothing, here or on the printer.
    void ExpectQuietEndLeavingNothing(const CSendWatch& send) const
    {
        EXPECT_TRUE(m_messages.Messages().empty()) << m_messages.Messages().front().text;
        EXPECT_TRUE(FilesBelow(m_printer->Root()).empty());
        ExpectIdleAgain(send);
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

    CTempDir m_tmp;
    CTempDir m_out;
    std::optional<CPrinterSimulator> m_printer;

private:
    CScopedEnvironment m_tmpVariable{"TMPDIR", m_tmp.Path()};
    CScopedEnvironment m_history{CSendHistory::kPathVariable, m_out.File("history.sqlite")};
};

// The setup job is built for the controller of the last print list send.
TEST_F(SendFromWindow, PrintListAndSetupLandInTheFolderOfTheNumberAsBuiltForTheController)
{
    Open(kPrinterWithModels, 7);
    ChooseSetting("sample");
    const std::string setup = m_printer->Root() + "plt07p/SetupPrint.pjl";
    CSendWatch before(*this, "buttonSendSetup");
    ASSERT_TRUE(before.WaitForEnd());
    EXPECT_EQ(FilesBelow(m_printer->Root()), std::set<std::string>{"plt07p/SetupPrint.pjl"});
    EXPECT_EQ(NormalisedJob(ReadFileBytes(setup)), Built({"--setting", SamplePath()}));

    Child<QCheckBox>("checkReverseOrder").setChecked(true);
    const std::string first = AddEntry("site plan.plt", "IN;SP1;PA0,0;PD1000,1000;PU;\n", 2);
    const std::string second = AddEntry("scan.tif", std::string("II*\0\x08\0\0\0", 8) + std::string(9000, 'U'), 2);
    CSendWatch printList(*this, "buttonSend");
    ASSERT_TRUE(printList.WaitForEnd());
    const std::string remote = "plt07p/site plan.plt.pjl";
    EXPECT_EQ(FilesBelow(m_printer->Root()), (std::set<std::string>{remote, "plt07p/SetupPrint.pjl"}));
    EXPECT_EQ(NormalisedJob(ReadFileBytes(m_printer->Root() + remote)),
              Built({"--setting", SamplePath(), "--controller", "Heron", "--copies", "2", "--reverse", first, second}));
    EXPECT_TRUE(printList.connectingSeen);
    EXPECT_FALSE(printList.cancelEnabledBeforeUpload);

    CSendWatch after(*this, "buttonSendSetup");
    ASSERT_TRUE(after.WaitForEnd());
    EXPECT_EQ(NormalisedJob(ReadFileBytes(setup)), Built({"--setting", SamplePath(), "--controller", "Heron"}));
    EXPECT_TRUE(m_messages.Messages().empty()) << m_messages.Messages().front().text;
    for (const CSendWatch* send : {&before, &printList, &after})
        ExpectIdleAgain(*send);
    // Each send is in the history, newest first.
    CSendHistory history;
    ASSERT_TRUE(history.Open(m_out.File("history.sqlite")));
    std::vector<std::string> sent;
    for (const CHistoryRecord& record : history.Query())
        sent.push_back(record.printer + " " + std::to_string(record.number) + " " + record.owner + " " +
                       record.setting + " " + record.remoteName + " " + std::to_string(record.files.size()) + " " +
                       CHistoryRecord::ResultName(record.result));
    const std::string common = m_printer->Address() + " 7 Ada sample.prn plt07p/";
    EXPECT_EQ(sent, (std::vector<std::string>{common + "SetupPrint.pjl 0 done", common + "site plan.plt.pjl 2 done",
                                              common + "SetupPrint.pjl 0 done"}));

    // Ctrl+H lists them too; the print list send goes back with its copies.
    // The offscreen platform leaves no window active once the progress window has gone.
    QApplication::setActiveWindow(m_window.get());
    std::vector<std::string> listed;
    QTimer::singleShot(0, [&] {
        QWidget* dialog = QApplication::activeModalWidget();
        auto* table = dialog ? dialog->findChild<QTableView*>("tableSends") : nullptr;
        for (int row = 0; table && row < table->model()->rowCount(); ++row)
            listed.push_back(table->model()->index(row, CHistoryModel::kFiles).data().toString().toStdString());
        if (table) {
            table->selectRow(1);
            dialog->findChild<QPushButton*>("buttonPutBack")->click();
            dialog->close();
        }
    });
    QTest::keyClick(&List(), Qt::Key_H, Qt::ControlModifier);
    const std::string setupJob = CMessageService::Format(ResId::kHistorySetupJobText);
    EXPECT_EQ(listed, (std::vector<std::string>{setupJob, "site plan.plt, scan.tif", setupJob}));
    EXPECT_EQ(FileNames(), (std::vector<std::string>{"site plan.plt", "scan.tif", "site plan.plt", "scan.tif"}));
    EXPECT_EQ(Copies(), std::vector<int>(4, 2));
}

// Sends that stop before anything reaches the printer, or fail there.
struct CRefusalCase {
    const char* name;
    const char* button;
    std::vector<std::string> entries;
    std::vector<unsigned> ids;
    // The message came while the progress window showed.
    bool progressAtMessage;
    // The same send from the command line (its command and options beyond
    // printer and owner; the entries follow), where the two share the case.
    std::vector<std::string> cli = {};
    CPrinterSimulator::Options printer = {};
    bool printerRunning = true;
    std::string setting = {};
    std::string ftpPassword = {};
    // The text of the last message, when it is the printer's.
    std::string printersText = {};
};

class SendFromWindowRefusals : public SendFromWindow, public testing::WithParamInterface<CRefusalCase> {};

TEST_P(SendFromWindowRefusals, StopWithTheirMessagesAndLeaveTheWindowIdle)
{
    const CRefusalCase& c = GetParam();
    Open(c.printer);
    const std::string root = m_printer->Root();
    const std::string address = m_printer->Address();
    if (!c.printerRunning)
        m_printer.reset();
    ChooseSetting(c.setting);
    if (!c.ftpPassword.empty()) {
        ASSERT_TRUE(CRegistry().WriteValue(CRegistry::Hive::LocalMachine, CRegistryValues::ProgramKey(),
                                           "FtpPassword", c.ftpPassword));
    }
    std::vector<std::string> cli = c.cli;
    for (const std::string& name : c.entries)
        cli.push_back(AddEntry(name));

    CSendWatch send(*this, c.button);
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
    EXPECT_EQ(send.progressAtMessage, c.progressAtMessage);
    EXPECT_FALSE(send.sendingSeen);
    EXPECT_TRUE(FilesBelow(root).empty());
    ExpectIdleAgain(send);
}

// Long enough for the progress window to look at the upload several times.
const CPrinterSimulator::Options kPrinterRefusingSlowly = SimulatorOptions([](auto& o) { o.refusalPauseMs = 500; });
const CPrinterSimulator::Options kPrinterWithoutPsPdf = SimulatorOptions([](auto& o) {
    o.models = {"PlotraK2"};
    o.version = "3.0";
});

INSTANTIATE_TEST_SUITE_P(
    Cases, SendFromWindowRefusals,
    testing::Values(
        CRefusalCase{"EmptyList", "buttonSend", {}, {}, false},
        CRefusalCase{"PrinterDefaultsAsSetup", "buttonSendSetup", {}, {ResId::kDefaultSetupMessage}, false,
                     {"setup", "--setting", "(Printer defaults)"}},
        CRefusalCase{"UnreachablePrinter", "buttonSend", {"a.plt"}, {ResId::kNoAnswerMessage}, true, {"send"}, {}, false},
        CRefusalCase{"PdfToPrinterWithoutPsPdf", "buttonSend", {"a.plt", "cover.pdf"}, {ResId::kNoPsPdfMessage}, true,
                     {"send"}, kPrinterWithoutPsPdf},
        CRefusalCase{"RefusedLogIn", "buttonSend", {"a.plt"}, {ResId::kLoginRefusedMessage, 0}, true, {"send"},
                     kPrinterRefusingSlowly, true, "", "wrong", "Login denied\n530 Authentication failed."},
        CRefusalCase{"SetupToUnreachablePrinter", "buttonSendSetup", {}, {ResId::kConnectionRefusedMessage}, true,
                     {"setup", "--setting", "sample", "--controller", ""}, kPrinterWithModels, false, "sample"}),
    ByCaseName());

// Cancel pressed, or the window closed, while the printer takes nothing:
// the upload ends at once, without a word, and leaves no file anywhere.
class SendFromWindowStalled : public SendFromWindow, public testing::WithParamInterface<bool> {};

TEST_P(SendFromWindowStalled, CancelOrCloseStopsTheUploadSilentlyAndLeavesNoFile)
{
    const bool close = GetParam();
    Open(SimulatorOptions([](auto& o) { o.stallAfter = kStallBytes; }));
    // Zeros that take no room on the disk.
    std::filesystem::resize_file(AddEntry("big.plt", ""), kLargeFileBytes);
    const int threads = ThreadCount();

    CSendWatch send(*this, "buttonSend");
    // The upload runs, with Cancel enabled, and data has reached the
    // printer's file (which it then stops taking).
    ASSERT_TRUE(QTest::qWaitFor([this] { return ProgressWindow() && CancelButton(*ProgressWindow()).isEnabled(); },
                                kSendTimeoutMs));
    const std::string partial = m_printer->Root() + "plt00p/big.plt.pjl";
    ASSERT_TRUE(QTest::qWaitFor([&] { return SizeOf(partial) > 0; }, kSendTimeoutMs));
    CSendFileDlg& progress = *ProgressWindow();
    EXPECT_EQ(ProgressText(), CMessageService::Format(ResId::kSendingCaption));
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
    ExpectQuietEndLeavingNothing(send);
    EXPECT_EQ(m_printer->Output().find("received"), std::string::npos) << m_printer->Output();
    if (close) {
        EXPECT_EQ(ReadUserValue("PrinterName"), m_printer->Address());
    }
}

INSTANTIATE_TEST_SUITE_P(By, SendFromWindowStalled, testing::Values(false, true),
                         [](const testing::TestParamInfo<bool>& info) { return info.param ? "Close" : "Cancel"; });

TEST_F(SendFromWindow, CancelDuringTheBuildStopsSilentlyAndLeavesNoFile)
{
    Open({});
    std::filesystem::resize_file(AddEntry("big.plt", ""), std::uint64_t{1} << 30);
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

    CSendWatch send(*this, "buttonSend");
    ASSERT_TRUE(send.WaitForEnd());

    EXPECT_TRUE(cancelled);
    ExpectQuietEndLeavingNothing(send);
}

TEST_F(SendFromWindow, ClosingTheWindowDuringThePrinterDialogueClosesBeforeAnyBuild)
{
    Open({});
    AddEntry("a.plt");
    CBuildWindowCounter builds;
    bool inDialogue = false;
    // The dialogue waits half a second for the status reply alone.
    QTimer::singleShot(100, m_window.get(), [&] {
        inDialogue = ProgressText() == CMessageService::Format(ResId::kConnectingCaption);
        m_window->close();
    });

    CSendWatch send(*this, "buttonSend");
    ASSERT_TRUE(send.WaitForEnd());

    EXPECT_TRUE(inDialogue);
    EXPECT_FALSE(m_window->isVisible());
    EXPECT_EQ(builds.Shown(), 0);
    EXPECT_FALSE(send.sendingSeen);
    ExpectQuietEndLeavingNothing(send);
    EXPECT_EQ(ReadUserValue("PrinterName"), m_printer->Address());
}
}
