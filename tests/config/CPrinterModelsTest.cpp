#include "CPrinterModels.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace {
TEST(CPrinterModelsTest, NamesAndFamiliesInTableOrder)
{
    const std::vector<std::string> names = {"PlotraK1", "MAROVIA K1E", "PlotraK2", "MAROVIA K2E", "PlotraK5", "LXK4"};
    EXPECT_EQ(CPrinterModels::GetNames(), names);
    const std::vector<std::string> families = {"Heron", "Heron", "Corvid2nd", "Corvid2nd", "Corvid2nd", "Corvid2nd",
                                               "Others"};
    for (std::size_t i = 0; i < families.size(); ++i)
        EXPECT_EQ(CPrinterModels::GetFamily(i), families[i]) << "index " << i;
}

struct FindCase {
    const char* name;
    const char* reply;
    std::optional<std::size_t> index;
};

const FindCase kFindCases[] = {
    {"Heron", "211-Status\r\nModel: MAROVIA K1E\r\n211 Concluded", 1},
    {"TableOrderWinsOverPositionInReply", "PlotraK2 ... PlotraK1", 0},
    {"LastModel", "Printer LXK4 ready", 5},
    {"NameInsideLongerText", "xxPlotraK5yy", 4},
    {"NoModel", "211 Concluded PS/PDF", std::nullopt},
    {"CaseMatters", "plotrak1 marovia k2e", std::nullopt},
    {"EmptyReply", "", std::nullopt},
};

class FindTest : public testing::TestWithParam<FindCase> {};

TEST_P(FindTest, FindsTheFirstModelOfTheTable)
{
    EXPECT_EQ(CPrinterModels::Find(GetParam().reply), GetParam().index);
}

INSTANTIATE_TEST_SUITE_P(Replies, FindTest, testing::ValuesIn(kFindCases),
                         [](const auto& info) { return std::string(info.param.name); });
}
