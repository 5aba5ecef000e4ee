#include <gtest/gtest.h>

#include "platform/seams/Clock.h"
#include "platform/seams/KeySource.h"

namespace {

TEST(VirtualClock, CountsSleepsAndWaitsButNotWork) {
    platform::VirtualClock clock;
    clock.sleep(10);
    clock.advanceNs(5);
    clock.sleepUntilNs(clock.nowNs() + 100);
    clock.sleepUntilNs(0);  // already past: no wait
    EXPECT_EQ(clock.nowNs(), 10'000'105u);
    EXPECT_EQ(clock.waitedNs(), 10'000'100u);
}

// Taps, holds and releases are what every screen's tests drive; here, codes out of range.
TEST(ScriptedKeySource, IgnoresCodesOutsideTheTable) {
    platform::ScriptedKeySource keys;
    keys.press(300);
    keys.tap(-1);
    platform::KeyReport report{};
    keys.poll(report);
    EXPECT_EQ(report, platform::KeyReport{});
}

}  // namespace
