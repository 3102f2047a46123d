#include "CSendFromWindowFixture.h"

#include "CMessageService.h"
#include "CPrintDataListCtrl.h"
#include "CPrintDataModel.h"
#include "ResourceIds.h"
#include "SimulatorOptions.h"

#include <QTest>

#include <filesystem>

// What the window looks at before it reaches the printer: the files of the
// list, and the user's word before a setup send changes the printer's
// defaults for everyone.
namespace {
class SendChecks : public CSendFromWindowFixture {
protected:
    bool PrinterWasContacted() const { return m_printer->Output().find("command ") != std::string::npos; }
};

const CPrinterSimulator::Options kLoggingPrinter = SimulatorOptions([](auto& o) {
    o.models = {"PlotraK1"};
    o.logCommands = true;
});

// The same words on every try, before the printer is asked anything, and
// each try in the history.
TEST_F(SendChecks, AFileGoneFromTheListStopsEveryTryBeforeThePrinterIsReached)
{
    Open(kLoggingPrinter);
    AddEntry("a.plt");
    const std::string gone = AddEntry("b.plt");
    std::filesystem::remove(gone);
    const std::string told = CMessageService::Format(ResId::kUnreadableFileMessage, gone) +
                             "\nNo such file or directory";

    for (int attempt = 0; attempt < 2; ++attempt) {
        m_messages.Clear();
        CSendWatch send(*this, "buttonSend");
        ASSERT_TRUE(send.WaitForEnd());
        ASSERT_EQ(m_messages.Ids(), std::vector<unsigned>{ResId::kUnreadableFileMessage});
        EXPECT_EQ(m_messages.Messages()[0].text, told);
        EXPECT_FALSE(send.connectingSeen);
        ExpectIdleAgain(send);
    }
    EXPECT_FALSE(PrinterWasContacted()) << m_printer->Output();
    // Each recorded as the refusals are (SendFromWindowRefusals), with its files.
    const auto records = History();
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[1].files.size(), 2u);
}

// The Size column reads a file again once it changes, and tells when it is gone.
TEST_F(SendChecks, TheSizeColumnFollowsAFileThatChangesOrGoes)
{
    Open({});
    const std::string path = AddEntry("a.plt", "IN;SP1;PA0,0;PD1000,1000;PU;\n");
    const QModelIndex size = List().Model().index(0, CPrintDataModel::kSize);
    const auto shown = [&size] { return size.data().toString().toStdString(); };
    const auto tip = [&size] { return size.data(Qt::ToolTipRole).toString().toStdString(); };
    ASSERT_TRUE(QTest::qWaitFor([&] { return shown().starts_with("25"); }, 10000)) << shown();

    WriteFileBytes(path, "IN;SP1;PA0,0;PD4000,2000;PU;\n");
    EXPECT_TRUE(QTest::qWaitFor([&] { return shown().starts_with("100"); }, 10000)) << shown();

    std::filesystem::remove(path);
    const std::string unreadable = CMessageService::Format(ResId::kSizeUnreadableTip, "");
    EXPECT_TRUE(QTest::qWaitFor([&] { return tip().starts_with(unreadable); }, 10000)) << tip();
    EXPECT_FALSE(shown().starts_with("100")) << shown();
}

// No sends nothing and records nothing; the question names the printer.
TEST_F(SendChecks, SendSetupAsksNamingThePrinterBeforeSending)
{
    Open(kLoggingPrinter, 3);
    ChooseSetting("sample");
    m_messages.answer = false;
    {
        CSendWatch send(*this, "buttonSendSetup");
        ASSERT_TRUE(send.WaitForEnd());
        ExpectQuietEndLeavingNothing(send);
    }
    ASSERT_EQ(m_messages.Questions().size(), 1u);
    EXPECT_EQ(m_messages.Questions()[0].id, ResId::kConfirmSetupMessage);
    EXPECT_EQ(m_messages.Questions()[0].text, CMessageService::Format(ResId::kConfirmSetupMessage, m_printer->Address()));
    EXPECT_TRUE(History().empty());

    m_messages.answer = true;
    CSendWatch send(*this, "buttonSendSetup");
    ASSERT_TRUE(send.WaitForEnd());
    EXPECT_EQ(m_messages.Questions().size(), 2u);
    EXPECT_EQ(FilesBelow(m_printer->Root()), std::set<std::string>{"plt03p/SetupPrint.pjl"});
    EXPECT_TRUE(m_messages.Messages().empty());
}
}
