#include <gtest/gtest.h>

#include <string>

#include "runs/RunTimes.h"
#include "runs/TimeText.h"
#include "tests/runs/RunsFixture.h"

namespace {

using runstest::goldenFile;
using runstest::replayedGolden;

// The stages' times, those in play included.
std::uint64_t stagesNs(const RunTimes& times) {
    std::uint64_t sum = times.inPlay ? times.inPlay->ns : 0;
    for (const StageTime& stage : times.finished) {
        sum += stage.ns;
    }
    return sum;
}

TEST(RunTimer, CountsWhatTheReplayToolCountsAndTheStagesAddUp) {
    for (const std::string name : {"full-game", "fastest-game", "game-over", "lost-ball"}) {
        SCOPED_TRACE(name);
        const RunTimes times = replayedGolden(name).times;
        const std::string end = goldenFile(name + ".end");
        EXPECT_NE(end.find(" virtual_ms=" + std::to_string(times.totalNs / 1'000'000) + "\n"),
                  std::string::npos)
            << end;
        EXPECT_EQ(stagesNs(times), times.runNs);
        EXPECT_LT(times.runNs, times.totalNs);  // the title's screen is no stage's
    }
}

TEST(RunTimer, ALostBallKeepsItsStageAGameOverLeavesItAPracticeStartsAtIt) {
    const RunTimes lost = replayedGolden("lost-ball").times;
    ASSERT_TRUE(lost.inPlay);
    EXPECT_EQ(lost.inPlay->stage, 2);
    EXPECT_EQ(lost.inPlay->ballsLost, 1);
    EXPECT_EQ(lost.finished.size(), 1U);

    const RunTimes over = replayedGolden("game-over").times;
    ASSERT_EQ(over.finished.size(), 2U);
    EXPECT_TRUE(over.finished[0].cleared);
    EXPECT_FALSE(over.finished[1].cleared);
    EXPECT_EQ(over.finished[1].ballsLost, 13);
    ASSERT_TRUE(over.inPlay);
    EXPECT_EQ(over.inPlay->stage, FirstStage);
    EXPECT_EQ(over.inPlay->ballsLost, 0);
    EXPECT_EQ(over.clearedIn(FirstStage), over.finished[0].ns);

    const RunTimes practice = replayedGolden("practice-stage").times;
    EXPECT_EQ(practice.firstStage, 5);
    EXPECT_EQ(practice.attemptPolls, 300U);  // every poll after the card's is one of play
    EXPECT_FALSE(practice.wholeGame());
}

TEST(TimeText, CutsToCentisecondsAndRollsHoursIntoMinutes) {
    EXPECT_EQ(formatTime(0), "0:00.00");
    EXPECT_EQ(formatTime(187'459'999'999), "3:07.45");
    EXPECT_EQ(formatTime(9'999'999), "0:00.00");
    EXPECT_EQ(formatTime(3'600'000'000'000), "60:00.00");
    EXPECT_EQ(formatDifference(6'200'000'000, 5'000'000'000), "+0:01.20");
    EXPECT_EQ(formatDifference(5'000'000'000, 5'350'000'000), "-0:00.35");
    EXPECT_EQ(formatDifference(5'000'000'000, 5'000'000'000), "+0:00.00");
}

}  // namespace
