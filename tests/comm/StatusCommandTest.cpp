#include "CMessageService.h"
#include "CPrinterSimulator.h"
#include "CProcess.h"
#include "ResourceIds.h"
#include "TestConfig.h"
#include "CaseNames.h"
#include "SimulatorOptions.h"

#include <gtest/gtest.h>
#include <tuple>

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
    CPrinterSimulator printer(SimulatorOptions([&](auto& o) {
        std::tie(o.models, o.version, o.psPdf, o.hangUp) = std::tie(c.models, c.version, c.psPdf, c.hangUp);
    }));
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
                    PrinterCase{"NoAnswer", {}, std::nullopt, false, true, 1, ""}), ByCaseName());
}
