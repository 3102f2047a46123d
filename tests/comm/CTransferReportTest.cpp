#include "CTransferReport.h"

#include "CMessageRecorder.h"

#include <gtest/gtest.h>

namespace {
struct ReportCase {
    const char* label;
    const char* errorText;
    std::vector<unsigned> ids;  // 0: the error text itself
};

void PrintTo(const ReportCase& c, std::ostream* out)
{
    *out << c.label;
}

class TransferReport : public testing::TestWithParam<ReportCase> {};

TEST_P(TransferReport, ShowsTheMessagesOfTheErrorText)
{
    CMessageRecorder messages;

    CTransferReport::ReportFailure(GetParam().errorText);

    EXPECT_EQ(messages.Ids(), GetParam().ids);
    for (const auto& message : messages.Messages()) {
        if (message.id == 0) {
            EXPECT_EQ(message.text, GetParam().errorText);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, TransferReport,
    testing::Values(ReportCase{"LoginRefused", "Login denied\n530 Login incorrect.", {531, 0}},
                    ReportCase{"ConnectionRefused", "Couldn't connect to server", {538}},
                    ReportCase{"BothOnTheirLines", "Login denied\nCouldn't connect to server", {531, 538}},
                    ReportCase{"Other", "Timeout was reached\n226 Transfer complete.", {0}},
                    // The search text must lie within one line.
                    ReportCase{"SplitOverLines", "Login\ndenied", {0}}),
    [](const testing::TestParamInfo<ReportCase>& info) { return std::string(info.param.label); });

TEST(TransferReportSearch, LooksAtEachLine)
{
    EXPECT_TRUE(CTransferReport::ErrorTextContains("a\nxx Login denied yy\nb", "Login denied"));
    EXPECT_TRUE(CTransferReport::ErrorTextContains("abc", "abc"));
    EXPECT_FALSE(CTransferReport::ErrorTextContains("Login\ndenied", "Login\ndenied"));
    EXPECT_FALSE(CTransferReport::ErrorTextContains("", "x"));
}
}
