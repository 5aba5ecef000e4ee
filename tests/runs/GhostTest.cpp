#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "game/GameState.h"
#include "game/Random.h"
#include "game/RunGame.h"
#include "runs/Ghost.h"
#include "runs/Replay.h"
#include "tests/ScratchFolder.h"
#include "tests/runs/RunsFixture.h"

namespace {

using runstest::goldenFile;
using runstest::goldenPath;

// The trace and console lines of a golden script, replayed as the replay tool replays it.
std::string tracedReplay(const std::string& name) {
    char* buffer = nullptr;
    std::size_t size = 0;
    std::FILE* rows = open_memstream(&buffer, &size);
    std::FILE* script = std::fopen(goldenPath(name + ".keys").c_str(), "r");
    KeyScriptReader reader(script, name);
    ::testing::internal::CaptureStdout();
    replay(reader, {.trace = rows});
    const std::string console = ::testing::internal::GetCapturedStdout();
    std::fclose(script);
    std::fclose(rows);
    std::string text = console + std::string(buffer, size);
    std::free(buffer);
    return text;
}

// The ball's places in the golden trace's rows of `stage`.
std::vector<GhostPoint> tracedPath(const std::string& name, std::int32_t stage) {
    std::istringstream rows(goldenFile(name + ".trace.csv"));
    std::vector<GhostPoint> points;
    std::string row;
    std::getline(rows, row);  // the header
    while (std::getline(rows, row)) {
        int rowStage = 0;
        GhostPoint at;
        if (std::sscanf(row.c_str(), "%*d,%d,%*d,%d,%d", &rowStage, &at.x, &at.y) == 3 &&
            rowStage == stage) {
            points.push_back(at);
        }
    }
    return points;
}

TEST(Ghost, KeepsTheBallOfEveryPollOfTheAttemptThatCleared) {
    std::string error;
    const std::optional<Ghost> ghost = Ghost::fromScript(goldenPath("full-game.keys"), error);
    ASSERT_TRUE(ghost) << error;
    for (const std::int32_t stage : {1, 7, 20}) {
        SCOPED_TRACE(stage);
        const std::vector<GhostPoint> traced = tracedPath("full-game", stage);
        const std::span<const GhostPoint> kept = ghost->path(stage);
        EXPECT_TRUE(std::equal(kept.begin(), kept.end(), traced.begin(), traced.end()));
        EXPECT_EQ(ghost->at(stage, 1), traced.front());
        EXPECT_EQ(ghost->at(stage, traced.size()), traced.back());
        EXPECT_FALSE(ghost->at(stage, traced.size() + 1));  // cleared: gone
        const std::span<const GhostPoint> trail = ghost->trail(stage, 10, 4);
        ASSERT_EQ(trail.size(), 4U);
        EXPECT_EQ(trail.back(), traced[9]);
    }
    EXPECT_TRUE(ghost->path(0).empty());
}

TEST(Ghost, ChangesNothingOfTheGameThatFollows) {
    const std::string alone = tracedReplay("lost-ball");
    int observed = 0;
    observeSubsteps([&] { ++observed; });
    ::testing::internal::CaptureStdout();
    std::string error;
    ASSERT_TRUE(Ghost::fromScript(goldenPath("full-game.keys"), error)) << error;
    EXPECT_EQ(::testing::internal::GetCapturedStdout(), "");
    EXPECT_EQ(observed, 0);
    EXPECT_TRUE(observeSubsteps({}));  // the game's own observer is still there
    EXPECT_EQ(randomState, 1U);
    EXPECT_EQ(gameState.stage, 0);
    EXPECT_EQ(tracedReplay("lost-ball"), alone);
}

TEST(Ghost, AScriptThatCannotBeReadIsNamed) {
    const ScratchFolder folder("ghost");
    std::string error;
    EXPECT_FALSE(Ghost::fromScript((folder / "missing.keys").string(), error));
    EXPECT_NE(error.find("missing.keys"), std::string::npos) << error;

    const std::string bad = (folder / "bad.keys").string();
    std::FILE* file = std::fopen(bad.c_str(), "w");
    std::fputs("1 -\n3 Jump\n", file);
    std::fclose(file);
    EXPECT_FALSE(Ghost::fromScript(bad, error));
    EXPECT_NE(error.find("bad.keys"), std::string::npos) << error;
    EXPECT_NE(error.find("line 2"), std::string::npos) << error;
}

}  // namespace
