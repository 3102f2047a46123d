#include "COneLine.h"

#include "CaseNames.h"

#include <gtest/gtest.h>

namespace {
struct EscapeCase {
    const char* name;
    std::string text;
    std::string escaped;
};

class OneLineTest : public testing::TestWithParam<EscapeCase> {};

TEST_P(OneLineTest, ControlBytesAndTheBackslashAreWrittenAsEscapes)
{
    EXPECT_EQ(COneLine::Escape(GetParam().text), GetParam().escaped);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, OneLineTest,
    testing::Values(EscapeCase{"PlainName", "site plan.plt", "site plan.plt"},
                    EscapeCase{"LineBreaks", "a\nb\r\nc", "a\\nb\\r\\nc"},
                    EscapeCase{"Tab", "a\tb", "a\\tb"},
                    EscapeCase{"Backslash", "C:\\plots\\a.plt", "C:\\\\plots\\\\a.plt"},
                    EscapeCase{"WrittenEscapeStaysTellable", "a\\nb", "a\\\\nb"},
                    EscapeCase{"OtherControls", std::string("\x00\x01\x1B\x1F", 4), "\\x00\\x01\\x1B\\x1F"},
                    EscapeCase{"Delete", "a\x7F", "a\\x7F"},
                    EscapeCase{"Utf8AndHighBytesStay", "Zürich \xE6\x97\xA5 \xFF", "Zürich \xE6\x97\xA5 \xFF"}),
    ByCaseName());
}
