#include "CHistoryFormat.h"

#include <gtest/gtest.h>

// A send stays one line of `history` whatever its names hold.
namespace {
TEST(HistoryLine, NamesWithControlBytesStayOnOneLine)
{
    CHistoryRecord record{0,  0, "plotter\n2", 7, "Ada\tB", "C:\\a\x1b.prn", {}, 812, "plt07p/SetupPrint.pjl",
                          "", CHistoryRecord::Result::Failed, "no answer\nfrom the printer", 4.1};
    const std::string line = CHistoryFormat::Line(record);
    EXPECT_EQ(line.substr(19), "  plotter\\n2#7  Ada\\tB  C:\\\\a\\x1B.prn  setup  812 B  failed  4.1 s  "
                               "no answer from the printer");
}
}
