#include <array>
#include <vector>

#include "assets/ResourceIds.h"
#include "game/Cues.h"
#include "game/MoveBall.h"
#include "tests/game/GameFixture.h"
#include "winapi/VirtualKeyCodes.h"

namespace {

using namespace resource;

// One moveBall call in the walled box, with one tile placed and at most one arrow held.
struct Move {
    const char* what;
    std::int32_t tile, column, row, x, y, dx, dy;
    int key;
    std::int32_t endX, endY, lift, glide, kick, wave;  // wave 0: none
};

const std::vector<Move> moves = {
    {"falls past Block", Block, 3, 3, 100, 89, 0, 1, 0, 100, 90, 0, 0, 0, 0},
    {"lands on Block", Block, 3, 3, 100, 90, 0, 1, 0, 100, 88, 64, 0, 0, BounceWave},
    {"lands from 1 above", Block, 3, 3, 100, 95, 0, 1, 0, 100, 88, 64, 0, 0, BounceWave},
    {"level with the top", Block, 3, 3, 100, 96, 0, 1, 0, 100, 96, 0, 0, 0, 0},
    {"diagonal onto wall", Block, 19, 3, 602, 90, 1, 1, 0, 602, 88, 64, 0, 0, BounceWave},
    {"breaks Brick", Brick, 3, 3, 100, 90, 1, 1, 0, 100, 88, 64, 0, 0, BrickBreakWave},
    {"Spring", Spring, 3, 3, 100, 90, 0, 1, 0, 100, 86, 196, 0, 0, SpringWave},
    {"RightLauncher", RightLauncher, 6, 2, 200, 58, 0, 1, 0, 224, 80, 0, 1, 0, LaunchWave},
    {"LeftLauncher", LeftLauncher, 6, 2, 200, 58, 0, 1, 0, 192, 80, 0, -1, 0, LaunchWave},
    {"Block on the right", Block, 5, 5, 154, 170, 1, 0, 0, 154, 170, 0, 0, 0, 0},
    {"Brick on the left", Brick, 5, 5, 197, 170, -1, 0, 0, 197, 170, 0, 0, 0, 0},
    {"Spring above", Spring, 5, 5, 170, 197, 0, -1, 0, 170, 197, 0, 0, 0, 0},
    {"launcher above", LeftLauncher, 5, 5, 170, 203, 0, -2, 0, 170, 203, 0, 0, 0, 0},
    {"code 7 below", 7, 5, 5, 170, 156, 0, 1, 0, 170, 156, 0, 0, 0, 0},
    {"x - 6 is column 0", Block, 0, 3, 0, 100, -1, 1, 0, 0, 100, 0, 0, 0, 0},
    {"clamped to x 0", Empty, 0, 3, 0, 100, -1, 1, 0, 0, 101, 0, 0, 0, 0},
    {"kicked left", Block, 5, 5, 154, 171, 1, 0, VK_LEFT, 134, 171, 0, 0, -100, WallKickWave},
    {"kicked right", Block, 5, 5, 196, 170, 0, 1, VK_RIGHT, 217, 171, 0, 0, 100, WallKickWave},
    {"no kick off Brick", Brick, 5, 5, 155, 171, 0, 1, VK_LEFT, 155, 172, 0, 0, 0, 0},
    {"kicked past the edge", Block, 19, 5, 625, 170, 0, 0, VK_RIGHT, 639, 170, 0, 0, 100,
     WallKickWave},
};

using MoveBall = GameTest;

TEST_F(MoveBall, ActsOnTheProbedTileAndKicksOffWalls) {
    for (const Move& m : moves) {
        SCOPED_TRACE(m.what);
        newGame();
        setCell(m.column, m.row, m.tile);
        placeBall(m.x, m.y);
        keys.press(m.key);  // code 0 stands for no key; nothing reads it
        keyboard->update();
        armCue();
        moveBall(m.dx, m.dy);
        EXPECT_EQ((std::array{gameState.ballX, gameState.ballY, gameState.lift, gameState.glide,
                              gameState.kick, tileAt(m.column, m.row), gameState.stageCleared}),
                  (std::array{m.endX, m.endY, m.lift, m.glide, m.kick,
                              m.wave == BrickBreakWave ? Empty : m.tile, m.endX == 639 ? 1 : 0}));
        EXPECT_EQ(audio.played, m.wave == 0 ? std::vector<int>{} : std::vector{m.wave});
    }
}

TEST_F(MoveBall, AMineTakesTheBallFromEverySideAndPausesOnEveryProbe) {
    setCell(5, 5, Mine);
    armCue();
    for (const auto [x, y, dx, dy] : std::vector<std::array<std::int32_t, 4>>{
             {170, 154, 0, 1}, {170, 197, 0, -1}, {154, 170, 1, 0}, {197, 170, -1, 0}}) {
        gameState.ballLost = 0;
        placeBall(x, y);
        moveBall(dx, dy);
        moveBall(dx, dy);
        EXPECT_EQ(ball(), (Pixel{x, y}));
        EXPECT_EQ(gameState.ballLost, 1);
    }
    EXPECT_EQ(sleptMs(), 8u * 1500);
    EXPECT_EQ(audio.played, std::vector{ExplosionWave});
}

// The pauses at the right and bottom edges, again on every call while the ball rests there, and
// the kick off the right of two walls are pinned by the golden replays.
TEST_F(MoveBall, TheTopAndLeftEdgesOnlyClampAndTheCornerRaisesBothClearedFirst) {
    gameState.map.fill(Empty);
    placeBall(0, 0);
    moveBall(-1, -2);
    EXPECT_EQ(ball(), (Pixel{0, 0}));
    EXPECT_EQ(sleptMs(), 0u);

    armCue();
    placeBall(638, 478);
    moveBall(1, 1);
    EXPECT_EQ(ball(), (Pixel{639, 479}));
    EXPECT_EQ((std::array{gameState.stageCleared, gameState.ballLost}), (std::array{1, 1}));
    EXPECT_EQ(sleptMs(), 700u + 500);
    EXPECT_EQ(audio.played, std::vector{StageClearWave});  // the gate took the first one's cue
}

}  // namespace
