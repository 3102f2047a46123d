#include "CMVFTP.h"

#include "CMessageRecorder.h"
#include "CPrinterSimulator.h"
#include "CaseNames.h"
#include "SimulatorOptions.h"

#include <gtest/gtest.h>

#include <chrono>
#include <climits>
#include <optional>
#include <tuple>

namespace {
using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

// Short enough for quick tests, long enough for a busy machine.
constexpr std::chrono::milliseconds kTimeout = 1s;

CMVFTP MakeClient(int minimumVersionDigit = 0)
{
    return CMVFTP(kTimeout, [minimumVersionDigit] { return minimumVersionDigit; });
}

bool RunDialogue(CMVFTP& client, const std::string& printer)
{
    return client.ConnectPrinter(printer) && client.SendLine("Sendora") && client.SendLine("KX") &&
           client.QueryStatus();
}

std::chrono::milliseconds Since(Clock::time_point start)
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start);
}

struct StatusCase {
    const char* name;
    std::vector<std::string> models;
    std::optional<std::string> version;
    bool psPdf;
    bool noConcluded;
    bool silent;
    int minimumVersionDigit;
    const char* controller;
    int psPdfOption;
    const char* afterNul = nullptr;
    const char* host = "127.0.0.1";
};

class CMVFTPStatusTest : public testing::TestWithParam<StatusCase> {};

TEST_P(CMVFTPStatusTest, ClassifiesThePrinter)
{
    const StatusCase& c = GetParam();
    CPrinterSimulator printer(SimulatorOptions([&](auto& o) {
        std::tie(o.models, o.version, o.psPdf, o.noConcluded, o.silent) =
            std::tie(c.models, c.version, c.psPdf, c.noConcluded, c.silent);
        if (c.afterNul)
            o.afterNul = c.afterNul;
        o.host = c.host;
    }));
    ASSERT_TRUE(printer.IsRunning());
    CMessageRecorder messages;

    CMVFTP client = MakeClient(c.minimumVersionDigit);
    EXPECT_TRUE(RunDialogue(client, printer.Address()));
    client.Close();

    EXPECT_EQ(client.GetControllerName(), c.controller);
    EXPECT_EQ(client.HasPsPdfOption(), c.psPdfOption);
    EXPECT_TRUE(messages.Messages().empty());
}

const std::string kK1 = "PlotraK1", kK1E = "MAROVIA K1E", kK2 = "PlotraK2", kK2E = "MAROVIA K2E", kK5 = "PlotraK5",
                  kLX = "LXK4";

INSTANTIATE_TEST_SUITE_P(
    Replies, CMVFTPStatusTest,
    testing::Values(
        StatusCase{"K1E_PsPdf", {kK1E}, std::nullopt, true, false, false, 0, "Heron", 1},
        StatusCase{"TableOrderWins", {kK2, kK1}, "3.00", false, false, false, 0, "Heron", 0},
        StatusCase{"K2_Digit2", {kK2}, "3.00", false, false, false, 2, "Corvid2nd", 0},
        StatusCase{"K2_Digit4", {kK2}, "3.00", true, false, false, 4, "Others", 1},
        StatusCase{"K2E_NoDigit", {kK2E}, "1.05", true, false, false, 0, "Corvid2nd", 1},
        StatusCase{"LX_EqualDigit", {kLX}, "2.10", false, false, false, 2, "Corvid2nd", 0},
        StatusCase{"K5_OlderVersion", {kK5}, "1.90", true, false, false, 2, "Others", 1},
        StatusCase{"K5_AbsurdMinimum", {kK5}, "1.90", false, false, false, INT_MAX, "Others", 0},
        StatusCase{"K5_EightBitVersion", {kK5}, "\xC3\xA9", false, false, false, 0, "Others", 0},
        StatusCase{"K5_EmptyVersion", {kK5}, "", false, false, false, 0, "Others", 0},
        StatusCase{"PsPdfWithoutModel", {}, std::nullopt, true, false, false, 0, "Others", 1},
        StatusCase{"NeverConcluded", {kK1}, "3.00", true, true, false, 0, "Others", 0},
        StatusCase{"K5_WithoutVersionLabel", {kK5}, std::nullopt, true, false, false, 0, "Others", 0},
        StatusCase{"NoStatusReply", {kK1}, std::nullopt, true, false, true, 0, "Others", 0},
        StatusCase{"StaleBytesAfterNul", {}, std::nullopt, false, false, false, 0, "Others", 0, "PlotraK1 PS/PDF"},
        StatusCase{"OverIPv6", {kK1}, std::nullopt, false, false, false, 0, "Heron", 0, nullptr, "::1"}),
    ByCaseName());

// The lines go bare, each ended by CR LF (the simulator, like the printer,
// knows no other end of line), and the printer's fixed waits are all the
// dialogue takes.
TEST(CMVFTPTest, PromptPrinterGetsBareLinesAndTakesOnlyTheFixedWaits)
{
    CPrinterSimulator printer(SimulatorOptions([](auto& o) {
        o.models = {"PlotraK2"};
        std::tie(o.version, o.logCommands) = std::tuple("3.00", true);
    }));
    ASSERT_TRUE(printer.IsRunning());
    CMVFTP client = MakeClient();

    const auto start = Clock::now();
    ASSERT_TRUE(RunDialogue(client, printer.Address()));
    const auto elapsed = Since(start);
    client.Close();

    EXPECT_GE(elapsed, 600ms);
    EXPECT_LT(elapsed, 2s);
    EXPECT_EQ(client.GetControllerName(), "Corvid2nd");
    ASSERT_TRUE(printer.WaitForOutput("command SS\n", 5s)) << printer.Output();
    EXPECT_EQ(printer.ControlBytes(), "Sendora\r\nKX\r\nSS\r\n");
}

TEST(CMVFTPTest, RefusedLoginStillCountsAsAReply)
{
    CPrinterSimulator printer(SimulatorOptions([](auto& o) { o.password = "secret"; }));
    CMessageRecorder messages;
    CMVFTP client = MakeClient();

    ASSERT_TRUE(client.ConnectPrinter(printer.Address()));
    EXPECT_TRUE(client.SendLine("Sendora") && client.SendLine("KX"));
    EXPECT_TRUE(client.GetLastReply().starts_with("530 ")) << client.GetLastReply();
    EXPECT_TRUE(messages.Messages().empty());
}

TEST(CMVFTPTest, ReadsAReplyLargerThanTheBufferWhole)
{
    CPrinterSimulator printer(SimulatorOptions([](auto& o) {
        o.models = {"MAROVIA K2E"};
        std::tie(o.version, o.psPdf, o.padding) = std::tuple("4.2", true, 6000);
    }));
    ASSERT_TRUE(printer.IsRunning());
    CMVFTP client = MakeClient(3);

    ASSERT_TRUE(client.ConnectPrinter(printer.Address()));
    const std::string greeting = client.GetLastReply();
    EXPECT_GT(greeting.size(), 6000u);
    EXPECT_TRUE(greeting.ends_with("\r\n220 Printer FTP server ready.\r\n"));
    ASSERT_TRUE(client.SendLine("Sendora"));
    EXPECT_EQ(client.GetLastReply(), "331 Password required for Sendora.\r\n");
    ASSERT_TRUE(client.SendLine("KX"));
    EXPECT_EQ(client.GetLastReply(), "230 Login successful.\r\n");
    ASSERT_TRUE(client.QueryStatus());
    EXPECT_EQ(client.GetControllerName(), "Corvid2nd");
    EXPECT_EQ(client.GetModelName(), "MAROVIA K2E");
    EXPECT_EQ(client.HasPsPdfOption(), 1);
    EXPECT_TRUE(client.GetLastReply().ends_with("\r\n211 Concluded\r\n"));
}

struct SilenceCase {
    const char* label;
    bool mute;
    bool hangUp;
    bool running;
    std::chrono::milliseconds least;
    std::chrono::milliseconds most;
};

// Only a printer that never speaks takes the whole wait; none is a message.
TEST(CMVFTPTest, GivesUpQuietlyOnAPrinterThatSaysNothing)
{
    for (const SilenceCase& c : {SilenceCase{"mute", true, false, true, kTimeout - 50ms, kTimeout + 1s},
                                 SilenceCase{"hangs up", false, true, true, 0ms, kTimeout / 2},
                                 SilenceCase{"refuses", false, false, false, 0ms, kTimeout / 2}}) {
        const auto options =
            SimulatorOptions([&](auto& o) { std::tie(o.mute, o.hangUp) = std::tie(c.mute, c.hangUp); });
        std::optional<CPrinterSimulator> printer(std::in_place, options);
        ASSERT_TRUE(printer->IsRunning());
        const std::string address = printer->Address();
        if (!c.running)
            printer.reset();
        CMessageRecorder messages;
        CMVFTP client = MakeClient();

        const auto start = Clock::now();
        EXPECT_FALSE(client.ConnectPrinter(address)) << c.label;
        const auto elapsed = Since(start);

        EXPECT_GE(elapsed, c.least) << c.label;
        EXPECT_LT(elapsed, c.most) << c.label;
        EXPECT_TRUE(messages.Messages().empty()) << c.label;
    }
}

TEST(CMVFTPTest, NamesTheSocketErrorWhenALineCannotBeSent)
{
    CMessageRecorder messages;
    CMVFTP client = MakeClient();

    EXPECT_FALSE(client.SendLine("Sendora"));
    EXPECT_FALSE(client.QueryStatus());

    ASSERT_EQ(messages.Messages().size(), 2u);
    EXPECT_TRUE(messages.Messages()[0].text.starts_with("USER/PASS error. (Err no="));
    EXPECT_TRUE(messages.Messages()[1].text.starts_with("Socket error. (Err no="));
    EXPECT_EQ(messages.Ids(), (std::vector<unsigned>{0, 0}));
    EXPECT_EQ(client.GetLastReply(), messages.Messages()[1].text);
}
}
