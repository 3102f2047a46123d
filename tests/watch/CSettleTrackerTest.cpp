#include "CSettleTracker.h"

#include "CaseNames.h"

#include <gtest/gtest.h>

// The listing alone, as a file written over a network share or held open
// while written in pieces is seen: no close event comes, so the file is
// whole only once its size and time have stayed the same for the settle
// time. It is then taken once, as it stands.
namespace {
using namespace std::chrono_literals;
using Names = std::vector<std::string>;

struct Look {
    std::chrono::milliseconds at;
    std::uint64_t size;
    std::int64_t modified;
    bool taken;
};

struct SettleCase {
    const char* name;
    std::vector<Look> looks;
};

void PrintTo(const SettleCase& settle, std::ostream* out)
{
    *out << settle.name;
}

// The settle time is 1 s; the last change in each case is at 1200 ms.
const SettleCase kCases[] = {
    {"GrowsWithItsTime",
     {{0ms, 100, 1, false}, {600ms, 200, 2, false}, {1200ms, 300, 3, false}, {2150ms, 300, 3, false},
      {2200ms, 300, 3, true}, {3500ms, 300, 3, false}}},
    // A share whose clock is coarse, or that caches the time, shows only the size change.
    {"GrowsWhileItsTimeStandsStill",
     {{0ms, 100, 1, false}, {600ms, 200, 1, false}, {1200ms, 300, 1, false}, {2150ms, 300, 1, false},
      {2200ms, 300, 1, true}, {3500ms, 300, 1, false}}},
    {"RewrittenAtTheSameSize",
     {{0ms, 100, 1, false}, {600ms, 100, 2, false}, {1200ms, 100, 3, false}, {2150ms, 100, 3, false},
      {2200ms, 100, 3, true}, {3500ms, 100, 3, false}}},
    // Written again after it was taken: another file, taken again once still.
    {"GrowsAgainAfterItWasTaken",
     {{0ms, 100, 1, false}, {1000ms, 100, 1, true}, {1200ms, 150, 1, false}, {2150ms, 150, 1, false},
      {2200ms, 150, 1, true}, {3500ms, 150, 1, false}}},
};

class SettleTrackerPolling : public testing::TestWithParam<SettleCase> {};

TEST_P(SettleTrackerPolling, TakesAFileOnceWhenItHasBeenStillForTheSettleTime)
{
    CSettleTracker tracker(1s);
    const CSettleTracker::Clock::time_point start;
    for (const Look& look : GetParam().looks) {
        tracker.Update({{"A0.plt", look.size, look.modified}}, start + look.at);
        EXPECT_EQ(tracker.TakeReady(start + look.at), look.taken ? Names{"A0.plt"} : Names{}) << look.at.count();
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, SettleTrackerPolling, testing::ValuesIn(kCases), ByCaseName());
}
