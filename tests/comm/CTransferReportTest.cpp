#include "CTransferReport.h"

#include "CMessageRecorder.h"
#include "CMessageService.h"
#include "CPrinterSimulator.h"
#include "CRecordingMonitor.h"
#include "CScopedEnvironment.h"
#include "CSendHistory.h"
#include "CSendSequence.h"
#include "CTempDir.h"
#include "CaseNames.h"
#include "LoopbackPort.h"
#include "ResourceIds.h"
#include "SimulatorOptions.h"

#include <gtest/gtest.h>

#include <functional>
#include <regex>

// How an upload that fails is told, against printers that misbehave: one
// sentence of what happened and what to do, then the detail on its own
// line; the send history keeps the same text, once.
namespace {
struct FailureCase {
    const char* name;
    CPrinterSimulator::Options printer;
    unsigned id;
    // Fills in %1 of the message.
    std::string argument;
    // The whole detail line, or a pattern for it where the network library words it.
    std::string detail;
    std::function<void(CFtpUpload::Request&)> change = nullptr;
    std::size_t bytes = 100;
};

class TransferReport : public testing::TestWithParam<FailureCase> {
protected:
    CTempDir m_dir;
    CScopedEnvironment m_history{CSendHistory::kPathVariable, m_dir.File("history.sqlite")};
};

TEST_P(TransferReport, SaysWhatHappenedThenTheDetailAndTheHistoryKeepsIt)
{
    const FailureCase& c = GetParam();
    CPrinterSimulator printer(c.printer);
    ASSERT_TRUE(printer.IsRunning());
    CFtpUpload::Request request{"127.0.0.1", printer.Port(), "Sendora", "KX", "plt00p", "A0.hpg.pjl",
                                m_dir.Write("job.pjl", PatternBytes(c.bytes))};
    request.connectSeconds = 2;
    request.stallSeconds = 2;
    if (c.change)
        c.change(request);
    CHistoryRecord record;
    record.printer = request.host;
    CRecordingMonitor monitor;
    CMessageRecorder messages;

    const CSendSequence::Uploaded uploaded = CSendSequence::Upload(request, record, monitor);
    CSendSequence::Report(uploaded);

    ASSERT_EQ(uploaded.result, CFtpUpload::Result::Failed);
    ASSERT_EQ(messages.Ids(), std::vector<unsigned>{c.id});
    const std::string& shown = messages.Messages()[0].text;
    const std::string sentence = CMessageService::Format(c.id, c.argument);
    ASSERT_TRUE(shown.starts_with(sentence + "\n")) << shown;
    const std::string detail = shown.substr(sentence.size() + 1);
    EXPECT_TRUE(std::regex_match(detail, std::regex(c.detail))) << detail;
    // No reply that reads like success: "125 Data connection already open".
    EXPECT_FALSE(std::regex_search(shown, std::regex("(^|\n)[123][0-9][0-9] "))) << shown;
    CSendHistory history;
    ASSERT_TRUE(history.OpenDefault());
    const auto records = history.Query();
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].result, CHistoryRecord::Result::Failed);
    EXPECT_EQ(records[0].message, shown);
}

INSTANTIATE_TEST_SUITE_P(
    PrinterModes, TransferReport,
    testing::Values(
        FailureCase{"StopsTakingData", SimulatorOptions([](auto& o) { o.stallAfter = 256 << 10; }),
                    ResId::kPrinterStalledMessage, "2", "Timeout was reached", nullptr, 48 << 20},
        FailureCase{"HangsUp", SimulatorOptions([](auto& o) { o.hangUp = true; }), ResId::kPrinterHungUpMessage, "",
                    "Failure when receiving data from the peer"},
        FailureCase{"RefusesTheFile", SimulatorOptions([](auto& o) { o.refuseStore = true; }),
                    ResId::kPrinterRefusedJobMessage, "", "550 Permission denied: this printer takes no jobs now\\."},
        FailureCase{"IsFull", SimulatorOptions([](auto& o) { o.full = true; }), ResId::kPrinterFullMessage, "",
                    "552 Storage full: no room for the job\\."},
        FailureCase{"HasNoFolderForTheNumber", {}, ResId::kPrinterRefusedJobMessage, "", "550 .+",
                    [](CFtpUpload::Request& r) { r.remoteFolder = "plt100p"; }},
        FailureCase{"RefusesTheLogIn", {}, ResId::kLoginRefusedMessage, "", "530 Authentication failed\\.",
                    [](CFtpUpload::Request& r) { r.password = "wrong"; }},
        FailureCase{"NeverAnswers", SimulatorOptions([](auto& o) { o.mute = true; }), ResId::kNoAnswerMessage, "",
                    "Timeout was reached"},
        FailureCase{"IsSwitchedOff", {}, ResId::kConnectionRefusedMessage, "", "Couldn't connect to server",
                    [](CFtpUpload::Request& r) { r.port = FreeLoopbackPort(); }},
        FailureCase{"HasANameNobodyKnows", {}, ResId::kUnknownPrinterNameMessage, "printer.invalid",
                    "Couldn't resolve host name", [](CFtpUpload::Request& r) {
                        r.host = "printer.invalid";
                    }}),
    ByCaseName());
}
