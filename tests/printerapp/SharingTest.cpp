#include "CNetworkNamespaces.h"
#include "CPrinterAppServer.h"
#include "CPrinterSimulator.h"
#include "LoopbackPort.h"
#include "SimulatorOptions.h"
#include "TestConfig.h"

#include <gtest/gtest.h>

#include <memory>

// share-printers=true as another computer meets it: the server in one
// network namespace, the client in a second one across a veth pair. The
// client may print, but neither administer the queues over IPP nor reach
// the web pages, which PAPPL 1.3.1 opens without a password.
namespace {
using namespace std::chrono_literals;

const std::string kIpptool = "/usr/bin/ipptool";

struct AdminCase {
    const char* name;
    const char* testFile;
    bool onSystem;
};

const AdminCase kAdminCases[] = {
    {"CreatePrinter", "qx-create-printer.test", true},
    {"SetPrinterAttributes", "qx-set-printer-attributes.test", false},
    {"DeletePrinter", "qx-delete-printer.test", true},
};

std::string IppAttribute(char tag, const std::string& name, const std::string& value)
{
    auto length = [](std::size_t size) { return std::string{char(size >> 8), char(size & 0xff)}; };
    return tag + length(name.size()) + name + length(value.size()) + value;
}

// A Create-Printer request as bytes, for a client that adds credentials
// of its own making, which ipptool sends only when asked for them.
std::string CreatePrinterRequest(const std::string& systemUri)
{
    return std::string("\x02\x00\x00\x4c\x00\x00\x00\x07\x01", 9) + IppAttribute('\x47', "attributes-charset", "utf-8") +
           IppAttribute('\x48', "attributes-natural-language", "en") + IppAttribute('\x45', "system-uri", systemUri) +
           IppAttribute('\x44', "printer-service-type", "print") + IppAttribute('\x44', "smi55357-driver", "qx-sendora") +
           IppAttribute('\x45', "smi55357-device-uri", "qxftp://127.0.0.1:9/1") + "\x04" +
           IppAttribute('\x42', "printer-name", "intruder") + "\x03";
}

class Sharing : public testing::Test {
protected:
    void SetUp() override
    {
        if (!m_spaces.Refusal().empty())
            GTEST_SKIP() << "network namespaces refused here: " << m_spaces.Refusal();
        const CNetworkNamespaces::Inside inside(m_spaces, true);
        m_printer = std::make_unique<CPrinterSimulator>(SimulatorOptions([](auto& o) { o.models = {"PlotraK1"}; }));
        m_server = std::make_unique<CPrinterAppServer>(std::vector<std::string>{"share-printers=true"});
        ASSERT_TRUE(m_server->IsRunning()) << m_server->ServerLog();
        const auto added = m_server->AddQueue("plotter", m_printer->Address(), 4, "qx-sendora",
                                              {"qxsendora-owner-default=Ada", "qxsendora-setting-default=sample"});
        ASSERT_EQ(added.exitCode, 0) << added.err;
    }

    // ipptool with one of our test files, from the client's namespace or
    // from the server's own loopback.
    CProcessResult Ipp(const std::string& host, const AdminCase& c) const
    {
        const std::string uri = c.onSystem ? "ipp://" + host + ":" + std::to_string(m_server->Port()) + "/ipp/system"
                                           : m_server->QueueUri("plotter", host);
        const std::string device = "qxftp://" + m_printer->Address() + "/5";
        return CProcess::Run(kIpptool, {"-t", "-T", "20", "-d", "device=" + device, uri, TestFile(c.testFile)});
    }

    static std::string TestFile(const std::string& name)
    {
        return std::string(test_config::kSourceDir) + "tests/printerapp/" + name;
    }

    CProcessResult FromClient(const std::string& program, const std::vector<std::string>& args) const
    {
        const CNetworkNamespaces::Inside inside(m_spaces, false);
        return CProcess::Run(program, args);
    }

    CNetworkNamespaces m_spaces;
    std::unique_ptr<CPrinterSimulator> m_printer;
    std::unique_ptr<CPrinterAppServer> m_server;
    CTempDir m_files;
};

// The server is not on this machine's own interfaces, and no web page
// reaches the network.
TEST_F(Sharing, ServerIsNotOnThisMachinesOwnInterfacesNorItsWebPagesOnTheNetwork)
{
    EXPECT_FALSE(AcceptsOnLoopback(m_server->Port()));
    const std::string server = "http://" + std::string(CNetworkNamespaces::kServerAddress) + ":" +
                               std::to_string(m_server->Port());
    for (const char* path : {"/", "/addprinter", "/config", "/plotter/", "/plotter/printing", "/plotter/delete"}) {
        const auto page = FromClient("/usr/bin/curl", {"-s", "-o", "/dev/null", "-w", "%{http_code}", server + path});
        EXPECT_EQ(page.out, "404") << path;
    }
    const CNetworkNamespaces::Inside inside(m_spaces, true);
    EXPECT_TRUE(AcceptsOnLoopback(m_server->Port()));
}

// Refused first, then the same requests from the server's loopback pass,
// so that it is the client's address that was refused, not the request.
TEST_F(Sharing, AdministrationFromTheNetworkIsRefusedButPrintingIsNot)
{
    for (const AdminCase& c : kAdminCases) {
        const auto result = [&] {
            const CNetworkNamespaces::Inside inside(m_spaces, false);
            return Ipp(CNetworkNamespaces::kServerAddress, c);
        }();
        EXPECT_NE(result.exitCode, 0) << c.name << result.out;
        EXPECT_NE(result.out.find("client-error-forbidden"), std::string::npos) << c.name << result.out;
    }
    EXPECT_EQ(m_server->Run({"printers"}).out, "plotter\n");

    const std::string file = m_files.Write("plan.plt", "IN;SP1;PA0,0;PD500,500;PU;\n");
    const auto sent = FromClient(kIpptool, {"-t", "-T", "60", "-f", file, "-d", "format=application/vnd.hp-hpgl",
                                            "-d", "job_name=plan.plt",
                                            m_server->QueueUri("plotter", CNetworkNamespaces::kServerAddress),
                                            TestFile("qx-submit-anonymous.test")});
    ASSERT_EQ(sent.exitCode, 0) << sent.out << m_server->ServerLog();
    ASSERT_TRUE(m_printer->WaitForOutput("received", 30s)) << m_server->ServerLog();
    EXPECT_EQ(NormalisedJob(ReadFileBytes(m_printer->Root() + "plt04p/plan.plt.pjl")),
              m_server->BuiltJob(file, {"--controller", "Heron", "--setting", "sample", "--owner", "Ada", "--number",
                                        "4"}));

    const CNetworkNamespaces::Inside inside(m_spaces, true);
    for (const AdminCase& c : kAdminCases) {
        const auto result = Ipp("127.0.0.1", c);
        EXPECT_EQ(result.exitCode, 0) << c.name << result.out;
    }
}

// PAPPL 1.3.1 hands a request's credentials to an authentication callback
// or service; the server has neither, so no credentials let a client in.
TEST_F(Sharing, CredentialsDoNotOpenAdministrationToTheNetwork)
{
    const auto post = [this](const std::string& host, const std::string& credentials) {
        const std::string system = "http://" + host + ":" + std::to_string(m_server->Port()) + "/ipp/system";
        const std::string request = m_files.Write("create.ipp", CreatePrinterRequest("ipp" + system.substr(4)));
        return CProcess::Run("/usr/bin/curl", {"-s", "-o", "/dev/null", "-w", "%{http_code}", "-H",
                                               "Content-Type: application/ipp", "-H", "Authorization: " + credentials,
                                               "--data-binary", "@" + request, system})
            .out;
    };
    {
        const CNetworkNamespaces::Inside inside(m_spaces, false);
        for (const char* credentials : {"Basic cm9vdDpyb290", "Basic YWRtaW46YWRtaW4=", "Negotiate YWJj", "PeerCred 0"})
            EXPECT_EQ(post(CNetworkNamespaces::kServerAddress, credentials), "403") << credentials;
    }
    EXPECT_EQ(m_server->Run({"printers"}).out, "plotter\n");
    // The request itself is one the server takes from its own loopback.
    const CNetworkNamespaces::Inside inside(m_spaces, true);
    EXPECT_EQ(post("127.0.0.1", "Basic cm9vdDpyb290"), "200");
    EXPECT_NE(m_server->Run({"printers"}).out.find("intruder"), std::string::npos);
}
}
