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

struct Census {
    int index;
    // Empty, Block, Brick, Mine, Spring, LeftLauncher, RightLauncher, StartMarker.
    std::array<long, 8> counts;
    std::array<int, 2> startCell;  // -1, -1 for none
    std::vector<int> exitRows;     // rows whose rightmost cell is Empty
};

const std::vector<Census> censuses = {
    {0, {234, 66, 0, 0, 0, 0, 0, 0}, {-1, -1}, {}},
    {1, {190, 107, 2, 0, 0, 0, 0, 1}, {2, 11}, {11, 12}},
    {2, {219, 80, 0, 0, 0, 0, 0, 1}, {2, 8}, {8, 9}},
    {3, {222, 73, 3, 0, 0, 0, 1, 1}, {2, 1}, {11}},
    {4, {217, 81, 0, 0, 1, 0, 0, 1}, {2, 9}, {5, 6}},
    {5, {163, 114, 21, 0, 1, 0, 0, 1}, {2, 1}, {9, 10}},
    {6, {195, 90, 0, 12, 0, 0, 2, 1}, {16, 1}, {12, 13, 14}},
    {7, {202, 87, 8, 0, 2, 0, 0, 1}, {2, 11}, {1, 2}},
    {8, {218, 66, 0, 13, 0, 1, 1, 1}, {2, 1}, {12}},
    {9, {207, 85, 1, 1, 4, 0, 1, 1}, {5, 10}, {3}},
    {10, {222, 62, 9, 5, 0, 0, 1, 1}, {16, 5}, {13}},
    {11, {245, 50, 0, 0, 4, 0, 0, 1}, {3, 11}, {1, 2, 3}},
    {12, {218, 78, 0, 0, 3, 0, 0, 1}, {2, 12}, {1, 2}},
    {13, {200, 75, 4, 15, 3, 1, 1, 1}, {6, 1}, {12, 13}},
    {14, {212, 71, 6, 8, 2, 0, 0, 1}, {18, 1}, {12, 13}},
    {15, {198, 67, 18, 15, 0, 1, 0, 1}, {2, 5}, {10, 11}},
    {16, {219, 69, 5, 5, 0, 0, 1, 1}, {2, 2}, {9, 10}},
    {17, {221, 65, 9, 0, 3, 0, 1, 1}, {15, 11}, {12, 13}},
    {18, {199, 85, 7, 2, 4, 0, 2, 1}, {1, 2}, {3, 4}},
    {19, {216, 73, 5, 0, 4, 0, 1, 1}, {2, 1}, {6}},
    {20, {194, 68, 23, 12, 0, 1, 1, 1}, {2, 7}, {13}},
};

using Stages = GameTest;

TEST_F(Stages, EveryMapMatchesItsCensusAndLoadsOntoItsStartCell) {
    const std::array<std::int32_t, 8> codes = {Empty,  Block,        Brick,         Mine,
                                               Spring, LeftLauncher, RightLauncher, StartMarker};
    ASSERT_EQ(censuses.size(), stageTable.size());
    for (const Census& census : censuses) {
        SCOPED_TRACE(census.index);
        const StageMap& stored = stageTable[static_cast<std::size_t>(census.index)];
        for (std::size_t code = 0; code < codes.size(); ++code) {
            EXPECT_EQ(std::count(stored.begin(), stored.end(), codes[code]), census.counts[code]);
        }
        placeBall(320, 240);
        loadStage(census.index);
        const auto [column, row] = census.startCell;
        EXPECT_EQ(gameState.ballX, column < 0 ? 320 : column * 32);
        EXPECT_EQ(gameState.ballY, column < 0 ? 240 : row * 32);
        std::vector<int> exitRows;
        for (int r = 0; r < GridRows; ++r) {
            EXPECT_EQ(tileAt(0, r), Block);  // every map is walled on the left
            if (tileAt(GridColumns - 1, r) == Empty) {
                exitRows.push_back(r);
            }
        }
        EXPECT_EQ(exitRows, census.exitRows);
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
    gameState.trail[42] = {7, 8};
    loadStage(1);
    EXPECT_EQ(tileAt(15, 9), Brick);
    EXPECT_EQ(gameState.lift, 64);
    EXPECT_EQ(gameState.trail[42].x, 7);
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
