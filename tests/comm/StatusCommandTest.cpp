#include "CMessageService.h"
#include "CPrinterSimulator.h"
#include "CProcess.h"
#include "TestConfig.h"

#include <gtest/gtest.h>

namespace {
struct PrinterCase {
    const char* name;
    std::vector<std::string> models;
    std::optional<std::string> version;
    bool psPdf;
    const char* out;
};

class StatusCommandTest : public testing::TestWithParam<PrinterCase> {};

TEST_P(StatusCommandTest, PrintsControllerAndOption)
{
    const PrinterCase& c = GetParam();
    CPrinterSimulator::Options options;
    options.models = c.models;
    options.version = c.version;
    options.psPdf = c.psPdf;
    CPrinterSimulator printer(options);
    ASSERT_TRUE(printer.IsRunning());

    const auto result = CProcess::Run(test_config::kCli, {"status", "--printer", printer.Address()});

    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out, c.out);
    EXPECT_EQ(result.err, "");
}

INSTANTIATE_TEST_SUITE_P(
    Printers, StatusCommandTest,
    testing::Values(PrinterCase{"Heron", {"PlotraK1"}, std::nullopt, true, "controller: Heron\nps/pdf: yes\n"},
                    PrinterCase{"Corvid2nd", {"LXK4"}, "9.01", false, "controller: Corvid2nd\nps/pdf: no\n"},
                    PrinterCase{"Others", {}, std::nullopt, true, "controller: Others\nps/pdf: yes\n"}),
    [](const testing::TestParamInfo<PrinterCase>& info) { return std::string(info.param.name); });

TEST(StatusCommandFailureTest, ReportsAPrinterThatDoesNotAnswer)
{
    CPrinterSimulator::Options options;
    options.hangUp = true;
    CPrinterSimulator printer(options);
    ASSERT_TRUE(printer.IsRunning());

    const auto result = CProcess::Run(test_config::kCli, {"status", "--printer", printer.Address()});

    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err, CMessageService::Format(528) + "\n");
}
}
