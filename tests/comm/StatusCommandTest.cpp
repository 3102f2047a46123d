#include "CMessageService.h"
#include "CPrinterSimulator.h"
#include "CProcess.h"
#include "ResourceIds.h"
#include "TestConfig.h"

#include <gtest/gtest.h>

namespace {
struct PrinterCase {
    const char* name;
    std::vector<std::string> models;
    std::optional<std::string> version;
    bool psPdf;
    bool hangUp;
    int exitCode;
    const char* out;
};

class StatusCommandTest : public testing::TestWithParam<PrinterCase> {};

TEST_P(StatusCommandTest, PrintsControllerAndOptionOrWhyNot)
{
    const PrinterCase& c = GetParam();
    CPrinterSimulator::Options options;
    options.models = c.models;
    options.version = c.version;
    options.psPdf = c.psPdf;
    options.hangUp = c.hangUp;
    CPrinterSimulator printer(options);
    ASSERT_TRUE(printer.IsRunning());

    const auto result = CProcess::Run(test_config::kCli, {"status", "--printer", printer.Address()});

    EXPECT_EQ(result.exitCode, c.exitCode) << result.err;
    EXPECT_EQ(result.out, c.out);
    EXPECT_EQ(result.err, c.exitCode == 0 ? "" : CMessageService::Format(ResId::kNoAnswerMessage) + "\n");
}

INSTANTIATE_TEST_SUITE_P(
    Printers, StatusCommandTest,
    testing::Values(PrinterCase{"Heron", {"PlotraK1"}, std::nullopt, true, false, 0, "controller: Heron\nps/pdf: yes\n"},
                    PrinterCase{"Corvid2nd", {"LXK4"}, "9.01", false, false, 0, "controller: Corvid2nd\nps/pdf: no\n"},
                    PrinterCase{"NoAnswer", {}, std::nullopt, false, true, 1, ""}),
    [](const testing::TestParamInfo<PrinterCase>& info) { return std::string(info.param.name); });
}
