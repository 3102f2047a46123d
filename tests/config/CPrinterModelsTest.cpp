#include "CPrinterModels.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <utility>

namespace {
TEST(CPrinterModelsTest, FindsTheFirstModelOfTheTableInAReply)
{
    const std::pair<const char*, std::optional<std::size_t>> replies[] = {
        {"211-Status\r\nModel: MAROVIA K1E\r\n211 Concluded", 1},
        {"PlotraK2 ... PlotraK1", 0},  // table order wins over the order in the reply
        {"Printer LXK4 ready", 5},
        {"xxPlotraK5yy", 4},
        {"211 Concluded PS/PDF", std::nullopt},
        {"plotrak1 marovia k2e", std::nullopt},
        {"", std::nullopt}};
    for (const auto& [reply, index] : replies)
        EXPECT_EQ(CPrinterModels::Find(reply), index) << reply;
}
}
