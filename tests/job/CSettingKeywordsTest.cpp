#include "CSettingKeywords.h"

#include <gtest/gtest.h>

// The keywords a client picks a setting by, in the order of the list.
namespace {
struct KeywordCase {
    const char* name;
    std::vector<std::string> names;
    std::vector<std::string> keywords;
};

class SettingKeywords : public testing::TestWithParam<KeywordCase> {};

TEST_P(SettingKeywords, MadeFromTheNamesInListOrder)
{
    const CSettingKeywords keywords(GetParam().names);
    std::vector<std::string> made;
    for (const auto& entry : keywords.Entries())
        made.push_back(entry.keyword);
    EXPECT_EQ(made, GetParam().keywords);
    for (std::size_t i = 0; i < made.size(); ++i)
        EXPECT_EQ(keywords.NameOf(made[i]), GetParam().names[i]);
}

INSTANTIATE_TEST_SUITE_P(
    Names, SettingKeywords,
    testing::Values(
        KeywordCase{"Kept", {"a0-colour_2.1"}, {"a0-colour_2.1"}},
        KeywordCase{"LowerCased", {"A0 Colour"}, {"a0-colour"}},
        KeywordCase{"OthersBecomeDashes", {"(Printer defaults)", "50% #2/3"}, {"-printer-defaults-", "50---2-3"}},
        KeywordCase{"OneDashForACharacterBeyondAscii", {"\xc3\xa9tage \xe5\x9b\xb3"}, {"-tage--"}},
        KeywordCase{"LaterCollisionsNumbered", {"A0 colour", "a0-colour", "A0_colour", "a0 Colour"},
                    {"a0-colour", "a0-colour-2", "a0_colour", "a0-colour-3"}},
        KeywordCase{"NumberedPastAnExistingSuffix", {"a-2", "a 2", "a-2 ", "A-2"}, {"a-2", "a-2-2", "a-2-", "a-2-3"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SettingKeywordsLookUp, UnknownKeywordHasNoName)
{
    const CSettingKeywords keywords({"A0 colour"});
    EXPECT_EQ(keywords.NameOf("A0 colour"), std::nullopt);
    EXPECT_EQ(keywords.NameOf("a0-colour-2"), std::nullopt);
}
}
