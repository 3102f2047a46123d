#include "CPrinterAppServer.h"
#include "CPrinterSimulator.h"
#include "SimulatorOptions.h"

#include <gtest/gtest.h>

#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <regex>
#include <thread>

// raw-socket=true as a plotter's Standard TCP/IP Port uses it: a file
// written to the queue's port, nothing else said. The job must reach the
// printer once, typed by its content (PAPPL 1.3.1 calls everything the
// driver's own format), with the queue's setting and owner.
namespace {
using namespace std::chrono_literals;

struct RawCase {
    const char* name;
    std::string bytes;
    const char* format;  // for the command line's build, which needs a name that says it
};

bool WriteToPort(int port, const std::string& bytes)
{
    const int fd = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = htons(static_cast<std::uint16_t>(port));
    bool written = connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
    for (std::size_t done = 0; written && done < bytes.size();) {
        const ssize_t sent = send(fd, bytes.data() + done, bytes.size() - done, MSG_NOSIGNAL);
        written = sent > 0;
        done += written ? static_cast<std::size_t>(sent) : 0;
    }
    close(fd);
    return written;
}

// PAPPL picks the port (9099 + the queue's id) and names it in its log.
int RawPort(const std::string& log)
{
    std::smatch match;
    return std::regex_search(log, match, std::regex("socket print jobs on '\\*:([0-9]+)'")) ? std::stoi(match[1])
                                                                                             : 0;
}

class RawSocket : public testing::TestWithParam<RawCase> {
protected:
    CTempDir m_files;
    CPrinterAppServer m_server{{"share-printers=true", "listen-hostname=127.0.0.1", "raw-socket=true"}};
};

TEST_P(RawSocket, FileWrittenToTheQueuesPortReachesThePrinterOnce)
{
    CPrinterSimulator printer(SimulatorOptions([](auto& o) {
        o.models = {"PlotraK1"};
        o.psPdf = true;
    }));
    ASSERT_TRUE(m_server.IsRunning()) << m_server.ServerLog();
    // The driver whose own format is PDF, so that an HP-GL file arrives
    // declared as PDF.
    ASSERT_EQ(m_server
                  .AddQueue("plotter", printer.Address(), 6, "qx-sendora-pdf",
                            {"qxsendora-owner-default=Ada", "qxsendora-setting-default=sample"})
                  .exitCode,
              0);
    const int port = RawPort(m_server.ServerLog());
    ASSERT_NE(port, 0) << m_server.ServerLog();

    ASSERT_TRUE(WriteToPort(port, GetParam().bytes));

    ASSERT_TRUE(printer.WaitForOutput("received", 30s)) << m_server.ServerLog();
    std::this_thread::sleep_for(500ms);
    EXPECT_EQ(FilesBelow(printer.Root()), std::set<std::string>{"plt06p/Untitled.pjl"});
    const std::string output = printer.Output();
    EXPECT_EQ(output.find("received"), output.rfind("received")) << output;
    // A raw job is named Untitled; so is the file the command line builds.
    const std::string file = m_files.Write("Untitled", GetParam().bytes);
    EXPECT_EQ(NormalisedJob(ReadFileBytes(printer.Root() + "plt06p/Untitled.pjl")),
              m_server.BuiltJob(file, {"--controller", "Heron", "--setting", "sample", "--owner", "Ada", "--number", "6",
                                       "--format", GetParam().format}));
}

INSTANTIATE_TEST_SUITE_P(Documents, RawSocket,
                         testing::Values(RawCase{"Hpgl", "IN;SP1;PA0,0;PD1000,1000;PU;\n", "HPGL"},
                                         RawCase{"Pdf", "%PDF-1.4\n%%EOF\n", "PDF"}),
                         [](const auto& info) { return std::string(info.param.name); });
}
