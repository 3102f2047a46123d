#include "CPrinterAppServer.h"
#include "CPrinterSimulator.h"
#include "CProcess.h"
#include "CRegistryValues.h"
#include "CScopedEnvironment.h"
#include "CTempDir.h"
#include "RasterSamples.h"
#include "SimulatorOptions.h"
#include "TestConfig.h"

#include <gtest/gtest.h>

// The printer application as an office client meets it: ipptool sends the
// job to our server, the printer simulator receives it, and the job must
// be the one qx-sendora-cli would have sent.
namespace {
struct DocumentCase {
    const char* name;
    const char* driver;
    bool psPdf;
    std::string fileName;
    std::string bytes;
    const char* format;
};

class PrinterAppJob : public testing::TestWithParam<DocumentCase> {
protected:
    CTempDir m_files;
    CPrinterAppServer m_server;
};

TEST_P(PrinterAppJob, PrinterReceivesWhatTheCommandLineWouldSend)
{
    const DocumentCase& c = GetParam();
    CPrinterSimulator printer(SimulatorOptions([&](auto& o) {
        o.models = {"PlotraK1"};
        o.psPdf = c.psPdf;
    }));
    ASSERT_TRUE(printer.IsRunning());
    ASSERT_TRUE(m_server.IsRunning()) << m_server.ServerLog();
    const auto added = m_server.AddQueue("plotter", printer.Address(), 3, c.driver);
    ASSERT_EQ(added.exitCode, 0) << added.err << m_server.ServerLog();
    const std::string file = m_files.Write(c.fileName, c.bytes);

    const auto sent = m_server.Ipp("plotter", "qx-print-job.test",
                                   {{"filename", file}, {"format", c.format}, {"job_name", c.fileName},
                                    {"copies", "2"}, {"setting", "sample"}, {"owner", "Ada"}});

    ASSERT_EQ(sent.exitCode, 0) << sent.out << sent.err << m_server.ServerLog();
    EXPECT_NE(sent.out.find("job-state (enum) = completed"), std::string::npos) << sent.out;
    const std::string remote = "plt03p/" + c.fileName + ".pjl";
    EXPECT_EQ(FilesBelow(printer.Root()), std::set<std::string>{remote});
    EXPECT_EQ(NormalisedJob(ReadFileBytes(printer.Root() + remote)),
              m_server.BuiltJob(file, {"--controller", "Heron", "--setting", "sample", "--owner", "Ada", "--copies", "2",
                                       "--number", "3"}));
}

// An HP-GL file to the PDF driver, and one typed by its content, go to
// the raw socket's test.
INSTANTIATE_TEST_SUITE_P(
    Documents, PrinterAppJob,
    testing::Values(DocumentCase{"Pdf", "qx-sendora-pdf", true, "A1.pdf", "%PDF-1.4\n%%EOF\n", "application/pdf"},
                    DocumentCase{"Hpgl", "qx-sendora", false, "site plan.plt", "IN;SP1;PA0,0;PD1000,1000;PU;\n",
                                 "application/vnd.hp-hpgl"},
                    DocumentCase{"HpglTypedByContent", "qx-sendora", false, "plan.plt", "IN;SP1;PA0,0;PD500,500;PU;\n",
                                 "application/octet-stream"},
                    DocumentCase{"Tiff", "qx-sendora", false, "scan.tif",
                                 std::string("II*\0\x08\0\0\0", 8) + std::string(9000, '\x55'), "image/tiff"},
                    DocumentCase{"Cals", "qx-sendora-pdf", true, "drawing.cal",
                                 CalsFile("0,270", 64, 32, 200, [](std::uint32_t x, std::uint32_t y, int) { return std::uint8_t((x ^ y) & 4 ? 0 : 255); }),
                                 "image/x-cals"}),
    [](const auto& info) { return std::string(info.param.name); });

// devices lists the user's printer names at the printer number the window
// last used, without asking any of them: the simulator must see nobody.
TEST(Devices, ListsEachPrinterNameAtTheWindowsNumberWithoutContactingIt)
{
    CPrinterSimulator printer(SimulatorOptions([](auto& o) { o.logCommands = true; }));
    ASSERT_TRUE(printer.IsRunning());
    CTempDir home;
    home.Write("qx-sendora/QXSDUserConfig.ini", "[Printer Name]\r\nplotter1=\r\n" + printer.Address() + "=\r\n");
    std::map<std::string, std::string> environment = {{"QX_SENDORA_LAYOUT", "installed"},
                                                      {"XDG_CONFIG_HOME", home.Path()},
                                                      {"QX_SENDORA_REGISTRY_DIR", home.Path()},
                                                      {"QX_SENDORA_PRINTER_APP_DIR", home.Path()}};
    const std::string program = std::string(test_config::kProgramDir) + "qx-sendora-printer-app";

    const auto unused = CProcess::Run(program, {"devices"}, environment);
    EXPECT_EQ(unused.out, "qxftp://plotter1/0\nqxftp://" + printer.Address() + "/0\n") << unused.err;
    {
        const CScopedEnvironment registry("QX_SENDORA_REGISTRY_DIR", home.Path());
        ASSERT_TRUE(CRegistryValues::WriteWindowState(7, "Ada", "plotter1", "sample"));
    }
    const auto used = CProcess::Run(program, {"devices"}, environment);
    EXPECT_EQ(used.out, "qxftp://plotter1/7\nqxftp://" + printer.Address() + "/7\n") << used.err;
    EXPECT_EQ(printer.ControlBytes(), "");
}
}
