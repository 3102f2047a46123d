#include "CRegistInput.h"

#include "ResourceIds.h"

#include <gtest/gtest.h>


namespace {
struct InputCase {
    int mode;
    std::string text;
    unsigned message;
};

class RegistInputTest : public testing::TestWithParam<InputCase> {};

TEST_P(RegistInputTest, RefusesWhatTheFileCannotHold)
{
    const InputCase& c = GetParam();
    EXPECT_EQ(CRegistInput::RefusalMessage(c.mode, c.text), c.message) << "mode " << c.mode << " text " << c.text;
}

constexpr int kExtension = CRegistInput::kExtensionMode;
constexpr int kOwner = CRegistInput::kOwnerMode;
constexpr int kPrinter = CRegistInput::kPrinterMode;

constexpr unsigned kBadExtension = ResId::kBadExtensionMessage;
constexpr unsigned kBadName = ResId::kBadNameMessage;

INSTANTIATE_TEST_SUITE_P(
    Cases, RegistInputTest,
    testing::Values(InputCase{kExtension, "plt", 0}, InputCase{kExtension, "", 0},
                    InputCase{kExtension, "p.lt", kBadExtension}, InputCase{kExtension, "[plt", kBadExtension},
                    InputCase{kExtension, "plt]", kBadExtension}, InputCase{kExtension, "p;", kBadExtension},
                    InputCase{kExtension, "p=1", kBadExtension}, InputCase{kExtension, "p\"", 0},
                    InputCase{kOwner, "a.b", 0}, InputCase{kOwner, "a=b", kBadName},
                    InputCase{kOwner, "say \"hi\"", kBadName}, InputCase{kOwner, "[x]", kBadName},
                    InputCase{kOwner, "a;b", kBadName}, InputCase{kPrinter, "say\"hi\"", 0},
                    InputCase{kPrinter, "10.0.0.7", 0}, InputCase{kPrinter, "a;b", kBadName},
                    InputCase{kPrinter, "a=b", kBadName}, InputCase{0, "a\"b", 0}, InputCase{7, "a]b", kBadName},
                    InputCase{kPrinter, "my printer", ResId::kBlankPrinterNameMessage},
                    InputCase{kPrinter, "a\tb", ResId::kBlankPrinterNameMessage}, InputCase{kOwner, "Ann Lee", 0}));

// Typing refuses what OK would refuse.
TEST(RegistInputKeysTest, TypingRefusesWhatOkRefuses)
{
    for (const int mode : {kExtension, kOwner, kPrinter})
        for (const char refused : CRegistInput::RefusedCharacters(mode))
            EXPECT_NE(CRegistInput::RefusalMessage(mode, std::string("a") + refused + "b"), 0u) << mode << refused;
}

TEST(RegistInputKeysTest, TrimmedOfBlanks)
{
    EXPECT_EQ(CRegistInput::Trimmed(" \ta b\t "), "a b");
    EXPECT_EQ(CRegistInput::Trimmed(" \t"), "");
}
}
