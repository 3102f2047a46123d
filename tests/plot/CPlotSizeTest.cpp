#include "CPlotSize.h"

#include <gtest/gtest.h>

TEST(CPlotSizeTest, Formats)
{
    EXPECT_EQ(CPlotSize(841, 1189).Format(), "841 \u00d7 1189 mm (A0)");
}
