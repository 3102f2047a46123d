#include "CSendFromWindowFixture.h"

#include "CHistoryModel.h"
#include "CMessageService.h"
#include "CPrintDataListCtrl.h"
#include "CRegistry.h"
#include "CRegistryValues.h"
#include "CSDComboBox.h"
#include "CaseNames.h"
#include "ResourceIds.h"
#include "SimulatorOptions.h"

#include <QApplication>
#include <QCheckBox>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QTimer>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <thread>

// Sends from the main window that reach the printer, or stop with a
// message, the same as the command line's.
namespace {
const CPrinterSimulator::Options kPrinterWithModels = SimulatorOptions([](auto& o) { o.models = {"PlotraK1"}; });

class SendFromWindow : public CSendFromWindowFixture {};

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
    EXPECT_TRUE(printList.cancelEnabledBeforeUpload);

    CSendWatch after(*this, "buttonSendSetup");
    ASSERT_TRUE(after.WaitForEnd());
    EXPECT_EQ(NormalisedJob(ReadFileBytes(setup)), Built({"--setting", SamplePath(), "--controller", "Heron"}));
    EXPECT_TRUE(m_messages.Messages().empty()) << m_messages.Messages().front().text;
    for (const CSendWatch* send : {&before, &printList, &after})
        ExpectIdleAgain(*send);
    // Ctrl+H lists each send, newest first (their records are the command
    // line's: SendCommandTest; putting one back: CHistoryDlgTest). The
    // offscreen platform leaves no window active once the progress window has gone.
    QApplication::setActiveWindow(m_window.get());
    std::vector<std::string> listed;
    QTimer::singleShot(0, [&] {
        QWidget* dialog = QApplication::activeModalWidget();
        auto* table = dialog ? dialog->findChild<QTableView*>("tableSends") : nullptr;
        for (int row = 0; table && row < table->model()->rowCount(); ++row)
            listed.push_back(table->model()->index(row, CHistoryModel::kFiles).data().toString().toStdString());
        if (dialog)
            dialog->close();
    });
    QTest::keyClick(&List(), Qt::Key_H, Qt::ControlModifier);
    const std::string setupJob = CMessageService::Format(ResId::kHistorySetupJobText);
    EXPECT_EQ(listed, (std::vector<std::string>{setupJob, "site plan.plt, scan.tif", setupJob}));
}

// Sends that stop before anything reaches the printer, or fail there, the
// same from the command line where the two share the case (whose own checks
// are SendCommandTest's). The printers' words are CTransferReportTest's; here
// the right message reaches the user, at the right time, and the history
// keeps it.
struct CRefusalCase {
    const char* name;
    const char* button;
    std::vector<std::string> entries;
    std::vector<unsigned> ids;
    // The message came while the progress window showed.
    bool progressAtMessage;
    // The same send from the command line: its command and options beyond
    // printer and owner; the entries follow.
    std::vector<std::string> cli = {};
    CPrinterSimulator::Options printer = {};
    bool printerRunning = true;
    std::string setting = {};
    std::string ftpPassword = {};
    // Chosen instead of the simulator's address.
    std::string printerName = {};
    // The chosen setting's file gone by the time of the send.
    bool settingGone = false;
};

class SendFromWindowRefusals : public SendFromWindow, public testing::WithParamInterface<CRefusalCase> {};

TEST_P(SendFromWindowRefusals, StopWithTheirMessagesAndLeaveTheWindowIdle)
{
    const CRefusalCase& c = GetParam();
    Open(c.printer);
    const std::string root = m_printer->Root();
    const std::string printerName = c.printerName.empty() ? m_printer->Address() : c.printerName;
    if (!c.printerRunning)
        m_printer.reset();
    ChooseSetting(c.setting);
    if (c.settingGone)
        std::filesystem::remove(SamplePath());
    if (!c.ftpPassword.empty()) {
        ASSERT_TRUE(CRegistry().WriteValue(CRegistry::Hive::LocalMachine, CRegistryValues::ProgramKey(),
                                           "FtpPassword", c.ftpPassword));
    }
    std::vector<std::string> cli = c.cli;
    for (const std::string& name : c.entries)
        cli.push_back(AddEntry(name));
    Child<CSDComboBox>("comboPrinterName").setEditText(Q(printerName));

    CSendWatch send(*this, c.button);
    ASSERT_TRUE(send.WaitForEnd());

    EXPECT_EQ(m_messages.Ids(), c.ids);
    if (!c.cli.empty()) {
        const auto result = FromCli(cli, printerName);
        EXPECT_EQ(result.exitCode, 1);
        EXPECT_EQ(result.err, MessageLines());
    }
    // Each front end's stop recorded with the words it showed.
    std::vector<std::string> told;
    for (const auto& message : m_messages.Messages())
        told.insert(told.end(), c.cli.empty() ? 1 : 2, message.text);
    std::vector<std::string> failures;
    for (const CHistoryRecord& record : History()) {
        EXPECT_EQ(record.result, CHistoryRecord::Result::Failed);
        failures.push_back(record.message);
    }
    EXPECT_EQ(failures, told);
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
        CRefusalCase{"ChosenSettingGone", "buttonSend", {"a.plt"}, {ResId::kCannotLoadSettingMessage}, true, {}, {},
                     true, "sample", "", "", true},
        CRefusalCase{"UnreachablePrinter", "buttonSend", {"a.plt"}, {ResId::kNoAnswerMessage}, true, {"send"}, {},
                     false},
        CRefusalCase{"PdfToPrinterWithoutPsPdf", "buttonSend", {"a.plt", "cover.pdf"}, {ResId::kNoPsPdfMessage}, true,
                     {"send"}, kPrinterWithoutPsPdf},
        CRefusalCase{"RefusedLogIn", "buttonSend", {"a.plt"}, {ResId::kLoginRefusedMessage}, true, {"send"},
                     kPrinterRefusingSlowly, true, "", "wrong"},
        CRefusalCase{"PrinterRefusesTheJob", "buttonSend", {"a.plt"}, {ResId::kPrinterRefusedJobMessage}, true,
                     {"send"}, SimulatorOptions([](auto& o) { o.refuseStore = true; })},
        CRefusalCase{"PrinterIsFull", "buttonSend", {"a.plt"}, {ResId::kPrinterFullMessage}, true, {"send"},
                     SimulatorOptions([](auto& o) { o.full = true; })},
        CRefusalCase{"PrinterHangsUp", "buttonSend", {"a.plt"}, {ResId::kPrinterHungUpMessage}, true, {"send"},
                     SimulatorOptions([](auto& o) { o.hangUp = true; })},
        CRefusalCase{"PrinterNameNobodyKnows", "buttonSend", {"a.plt"}, {ResId::kUnknownPrinterNameMessage}, true,
                     {"send"}, {}, true, "", "", "printer.invalid"},
        CRefusalCase{"SetupToUnreachablePrinter", "buttonSendSetup", {}, {ResId::kConnectionRefusedMessage}, true,
                     {"setup", "--setting", "sample", "--controller", ""}, kPrinterWithModels, false, "sample"}),
    ByCaseName());

// A printer that greets, then resets the connection as the user name comes:
// the dialogue's thread tells of the broken socket itself.
class CResettingPrinter {
public:
    CResettingPrinter()
        : m_listener(socket(AF_INET, SOCK_STREAM, 0))
    {
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t length = sizeof address;
        bind(m_listener, reinterpret_cast<sockaddr*>(&address), length);
        listen(m_listener, 1);
        getsockname(m_listener, reinterpret_cast<sockaddr*>(&address), &length);
        m_port = ntohs(address.sin_port);
        m_thread = std::thread([this] {
            const int connection = accept(m_listener, nullptr, nullptr);
            const char greeting[] = "220 ready\r\n";
            send(connection, greeting, sizeof greeting - 1, MSG_NOSIGNAL);
            char line[64];
            (void)recv(connection, line, sizeof line, 0);
            const linger abrupt{1, 0};
            setsockopt(connection, SOL_SOCKET, SO_LINGER, &abrupt, sizeof abrupt);
            close(connection);
        });
    }
    ~CResettingPrinter()
    {
        m_thread.join();
        close(m_listener);
    }
    std::string Address() const { return "127.0.0.1:" + std::to_string(m_port); }

private:
    int m_listener;
    int m_port = 0;
    std::thread m_thread;
};

// What the dialogue's thread shows is kept in the send's history with the
// rest of what the user was told, in one failed record.
TEST_F(SendFromWindow, MessageOfTheDialoguesThreadIsRecordedWithTheRest)
{
    Open({});
    AddEntry("a.plt");
    CResettingPrinter printer;
    Child<CSDComboBox>("comboPrinterName").setEditText(Q(printer.Address()));
    CSendWatch send(*this, "buttonSend");
    ASSERT_TRUE(send.WaitForEnd());

    ASSERT_EQ(m_messages.Ids(), (std::vector<unsigned>{0, ResId::kPrinterHungUpMessage}));
    const std::vector<CHistoryRecord> history = History();
    ASSERT_EQ(history.size(), 1U);
    EXPECT_EQ(history[0].result, CHistoryRecord::Result::Failed);
    EXPECT_EQ(history[0].message, m_messages.Messages()[0].text + "\n" + m_messages.Messages()[1].text);
}
}
