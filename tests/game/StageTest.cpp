#include <algorithm>
#include <array>
#include <climits>
#include <cstring>
#include <vector>

#include "game/Cues.h"
#include "game/MoveBall.h"
#include "game/StageTable.h"
#include "tests/game/GameFixture.h"

namespace {

using Stages = GameTest;

// Most cells are never reached by the golden replays, so the maps are pinned whole: a changed
// cell changes this fingerprint (FNV-1a over the codes, stage after stage).
TEST_F(Stages, TheMapsAreTheShippedOnesAndEachLoadsOntoItsStartCell) {
    std::uint32_t fingerprint = 2166136261u;
    for (const StageMap& stored : stageTable) {
        for (const std::int32_t code : stored) {
            fingerprint = (fingerprint ^ static_cast<std::uint32_t>(code)) * 16777619u;
        }
    }
    EXPECT_EQ(fingerprint, 2728345613u);
    for (std::int32_t stage = 1; stage < StageTableSize; ++stage) {
        const StageMap& stored = stageTable[static_cast<std::size_t>(stage)];
        const auto marker = static_cast<std::int32_t>(
            std::find(stored.begin(), stored.end(), StartMarker) - stored.begin());
        loadStage(stage);
        EXPECT_EQ(ball(), (Pixel{marker % GridColumns * 32, marker / GridColumns * 32})) << stage;
        EXPECT_EQ(std::count(gameState.map.begin(), gameState.map.end(), StartMarker), 0);
    }
}

TEST_F(Stages, ReloadingRestoresABrokenBrickAndNothingElse) {
    loadStage(1);
    gameState.lift = 17;
    armCue();
    placeBall(485, 286);  // just above the Brick at (15, 9)
    moveBall(0, 1);
    ASSERT_EQ(tileAt(15, 9), Empty);
    loadStage(1);
    EXPECT_EQ(tileAt(15, 9), Brick);
    EXPECT_EQ(gameState.lift, 64);
}

TEST_F(Stages, AnIndexOutsideTheTableChangesNothingAndTileAtAnswersMinusOneOutsideTheGrid) {
    loadStage(5);
    setCell(3, 3, Mine);
    const GameState before = gameState;
    for (const std::int32_t index : {-1, 21, INT32_MIN, INT32_MAX}) {
        loadStage(index);
        // Plain 32-bit fields without padding: equal bytes are equal state.
        EXPECT_EQ(std::memcmp(&gameState, &before, sizeof before), 0) << index;
    }

    setCell(19, 14, Spring);
    EXPECT_EQ(tileAt(19, 14), Spring);
    for (const auto [column, row] : std::vector<std::array<int, 2>>{
             {20, 0}, {-1, 0}, {0, 15}, {0, -1}, {INT_MIN, 3}, {3, INT_MAX}}) {
        EXPECT_EQ(tileAt(column, row), -1) << column << "," << row;
    }
}

}  // namespace
