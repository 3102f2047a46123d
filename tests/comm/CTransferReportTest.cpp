#include "CTransferReport.h"

#include "CMessageRecorder.h"
#include "ResourceIds.h"
#include "CaseNames.h"

#include <gtest/gtest.h>

namespace {
struct ReportCase {
    const char* label;
    const char* errorText;
    std::vector<unsigned> ids;  // 0: the error text itself
};

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
    testing::Values(ReportCase{"LoginRefused", "Login denied\n530 Login incorrect.", {ResId::kLoginRefusedMessage, 0}},
                    ReportCase{"ConnectionRefused", "Couldn't connect to server", {ResId::kConnectionRefusedMessage}},
                    // Anywhere within a line.
                    ReportCase{"BothOnTheirLines", "xx Login denied yy\nCouldn't connect to server",
                               {ResId::kLoginRefusedMessage, ResId::kConnectionRefusedMessage}},
                    ReportCase{"Other", "Timeout was reached\n226 Transfer complete.", {0}},
                    // The search text must lie within one line.
                    ReportCase{"SplitOverLines", "Login\ndenied", {0}}), ByCaseName());
}
