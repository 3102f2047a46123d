#include "CMVFTP.h"

#include "CMessageRecorder.h"
#include "CPrinterSimulator.h"
#include "LoopbackPort.h"

#include <gtest/gtest.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <climits>
#include <cstring>
#include <thread>

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
};

void PrintTo(const StatusCase& c, std::ostream* out)
{
    *out << c.name;
}

class CMVFTPStatusTest : public testing::TestWithParam<StatusCase> {};

TEST_P(CMVFTPStatusTest, ClassifiesThePrinter)
{
    const StatusCase& c = GetParam();
    CPrinterSimulator::Options options;
    options.models = c.models;
    options.version = c.version;
    options.psPdf = c.psPdf;
    options.noConcluded = c.noConcluded;
    options.silent = c.silent;
    if (c.afterNul)
        options.afterNul = c.afterNul;
    CPrinterSimulator printer(options);
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
        StatusCase{"K1", {kK1}, std::nullopt, false, false, false, 0, "Heron", 0},
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
        StatusCase{"UnknownModel", {"PlotraK9"}, "5.0", false, false, false, 0, "Others", 0},
        StatusCase{"NeverConcluded", {kK1}, "3.00", true, true, false, 0, "Others", 0},
        StatusCase{"K5_WithoutVersionLabel", {kK5}, std::nullopt, true, false, false, 0, "Others", 0},
        StatusCase{"NoStatusReply", {kK1}, std::nullopt, true, false, true, 0, "Others", 0},
        StatusCase{"StaleBytesAfterNul", {}, std::nullopt, false, false, false, 0, "Others", 0, "PlotraK1 PS/PDF"}),
    [](const testing::TestParamInfo<StatusCase>& info) { return std::string(info.param.name); });

// A bare printer on a loopback port of its own: a greeting, one reply per
// line received, and a record of every byte the client sent.
class CRecordingPrinter {
public:
    CRecordingPrinter()
    {
        m_listener = socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t length = sizeof address;
        bind(m_listener, reinterpret_cast<sockaddr*>(&address), sizeof address);
        listen(m_listener, 1);
        getsockname(m_listener, reinterpret_cast<sockaddr*>(&address), &length);
        m_port = ntohs(address.sin_port);
        m_thread = std::thread([this] { Serve(); });
    }
    ~CRecordingPrinter()
    {
        if (m_thread.joinable())
            m_thread.join();
        close(m_listener);
    }

    std::string Address() const { return "127.0.0.1:" + std::to_string(m_port); }
    // What the client sent, once it has closed the connection.
    std::string Received()
    {
        m_thread.join();
        return m_received;
    }

private:
    void Serve()
    {
        pollfd waiting{m_listener, POLLIN, 0};
        if (poll(&waiting, 1, 5000) != 1)
            return;
        const int fd = accept(m_listener, nullptr, nullptr);
        const timeval timeout{5, 0};
        setsockopt(fd, SOL_SOCKET, SO_RCVTIMEO, &timeout, sizeof timeout);
        const char* const replies[] = {"220 Ready.\r\n", "331 Password required.\r\n", "230 Logged in.\r\n",
                                       "211-Model : PlotraK1\r\n211 Concluded\r\n"};
        std::size_t answered = 0;
        // The greeting first, then a reply for every line completed.
        const auto answer = [&] {
            for (; answered < std::size(replies) && answered <= Lines(); ++answered)
                send(fd, replies[answered], std::strlen(replies[answered]), MSG_NOSIGNAL);
        };
        answer();
        char buffer[256];
        for (ssize_t got; (got = recv(fd, buffer, sizeof buffer, 0)) > 0;) {
            m_received.append(buffer, static_cast<std::size_t>(got));
            answer();
        }
        close(fd);
    }

    std::size_t Lines() const
    {
        std::size_t lines = 0;
        for (auto at = m_received.find("\r\n"); at != std::string::npos; at = m_received.find("\r\n", at + 2))
            ++lines;
        return lines;
    }

    int m_listener = -1;
    unsigned short m_port = 0;
    std::thread m_thread;
    std::string m_received;
};

TEST(CMVFTPTest, ControlPortCarriesBareLinesEndedByCrLf)
{
    CRecordingPrinter printer;
    CMVFTP client = MakeClient();

    ASSERT_TRUE(RunDialogue(client, printer.Address()));
    client.Close();

    EXPECT_EQ(printer.Received(), "Sendora\r\nKX\r\nSS\r\n");
    EXPECT_EQ(client.GetControllerName(), "Heron");
}

TEST(CMVFTPTest, PromptPrinterTakesOnlyTheFixedWaits)
{
    CPrinterSimulator::Options options;
    options.models = {"PlotraK2"};
    options.version = "3.00";
    CPrinterSimulator printer(options);
    ASSERT_TRUE(printer.IsRunning());
    CMVFTP client = MakeClient();

    const auto start = Clock::now();
    ASSERT_TRUE(RunDialogue(client, printer.Address()));
    const auto elapsed = Since(start);

    EXPECT_GE(elapsed, 600ms);
    EXPECT_LT(elapsed, 2s);
    EXPECT_EQ(client.GetControllerName(), "Corvid2nd");
}

TEST(CMVFTPTest, ReadsTheGreetingAndEachReply)
{
    CPrinterSimulator printer({});
    ASSERT_TRUE(printer.IsRunning());
    CMVFTP client = MakeClient();

    ASSERT_TRUE(client.ConnectPrinter(printer.Address()));
    EXPECT_EQ(client.GetLastReply(), "220 Printer FTP server ready.\r\n");
    ASSERT_TRUE(client.SendLine("Sendora"));
    EXPECT_EQ(client.GetLastReply(), "331 Password required for Sendora.\r\n");
    ASSERT_TRUE(client.SendLine("KX"));
    EXPECT_EQ(client.GetLastReply(), "230 Login successful.\r\n");
}

TEST(CMVFTPTest, RefusedLoginStillCountsAsAReply)
{
    CPrinterSimulator::Options options;
    options.password = "secret";
    CPrinterSimulator printer(options);
    ASSERT_TRUE(printer.IsRunning());
    CMessageRecorder messages;
    CMVFTP client = MakeClient();

    ASSERT_TRUE(client.ConnectPrinter(printer.Address()));
    EXPECT_TRUE(client.SendLine("Sendora"));
    EXPECT_TRUE(client.SendLine("KX"));
    EXPECT_EQ(client.GetLastReply().substr(0, 4), "530 ");
    EXPECT_TRUE(messages.Messages().empty());
}

TEST(CMVFTPTest, ReadsAReplyLargerThanTheBufferWhole)
{
    CPrinterSimulator::Options options;
    options.models = {"MAROVIA K2E"};
    options.version = "4.2";
    options.psPdf = true;
    options.padding = 6000;
    CPrinterSimulator printer(options);
    ASSERT_TRUE(printer.IsRunning());
    CMVFTP client = MakeClient(3);

    ASSERT_TRUE(client.ConnectPrinter(printer.Address()));
    const std::string greeting = client.GetLastReply();
    EXPECT_GT(greeting.size(), 6000u);
    EXPECT_TRUE(greeting.ends_with("\r\n220 Printer FTP server ready.\r\n"));
    ASSERT_TRUE(client.SendLine("Sendora"));
    EXPECT_EQ(client.GetLastReply(), "331 Password required for Sendora.\r\n");
    ASSERT_TRUE(client.SendLine("KX"));
    ASSERT_TRUE(client.QueryStatus());
    EXPECT_EQ(client.GetControllerName(), "Corvid2nd");
    EXPECT_EQ(client.HasPsPdfOption(), 1);
    EXPECT_TRUE(client.GetLastReply().ends_with("\r\n211 Concluded\r\n"));
}

TEST(CMVFTPTest, ReachesAPrinterOverIPv6)
{
    CPrinterSimulator::Options options;
    options.host = "::1";
    options.models = {"PlotraK1"};
    CPrinterSimulator printer(options);
    ASSERT_TRUE(printer.IsRunning());
    CMVFTP client = MakeClient();

    ASSERT_TRUE(RunDialogue(client, printer.Address()));
    EXPECT_EQ(client.GetControllerName(), "Heron");
}

TEST(CMVFTPTest, GivesUpOnAPrinterThatNeverSpeaks)
{
    CPrinterSimulator::Options options;
    options.mute = true;
    CPrinterSimulator printer(options);
    ASSERT_TRUE(printer.IsRunning());
    CMessageRecorder messages;
    CMVFTP client = MakeClient();

    const auto start = Clock::now();
    EXPECT_FALSE(client.ConnectPrinter(printer.Address()));
    const auto elapsed = Since(start);

    EXPECT_GE(elapsed, kTimeout - 50ms);
    EXPECT_LT(elapsed, kTimeout + 1s);
    EXPECT_TRUE(messages.Messages().empty());
}

TEST(CMVFTPTest, FailsAtOnceWhenThePrinterHangsUp)
{
    CPrinterSimulator::Options options;
    options.hangUp = true;
    CPrinterSimulator printer(options);
    ASSERT_TRUE(printer.IsRunning());
    CMessageRecorder messages;
    CMVFTP client = MakeClient();

    const auto start = Clock::now();
    EXPECT_FALSE(client.ConnectPrinter(printer.Address()));

    EXPECT_LT(Since(start), kTimeout / 2);
    EXPECT_TRUE(messages.Messages().empty());
}

TEST(CMVFTPTest, FailsAtOnceWhenTheConnectionIsRefused)
{
    const int port = FreeLoopbackPort();
    CMessageRecorder messages;
    CMVFTP client = MakeClient();

    const auto start = Clock::now();
    EXPECT_FALSE(client.ConnectPrinter("127.0.0.1:" + std::to_string(port)));

    EXPECT_LT(Since(start), kTimeout / 2);
    EXPECT_TRUE(messages.Messages().empty());
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
