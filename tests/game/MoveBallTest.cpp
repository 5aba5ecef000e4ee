#include <array>
#include <vector>

#include "game/Cues.h"
#include "game/Median3.h"
#include "game/MoveBall.h"
#include "shell/VirtualKeys.h"
#include "tests/game/GameFixture.h"

namespace {

// One moveBall call in the walled box with one tile placed and at most one arrow held.
struct Move {
    const char* what;
    std::int32_t tile, column, row;
    std::int32_t x, y, dx, dy;
    int key;
    std::int32_t endX, endY, lift, glide, kick;
    std::vector<int> waves;
};

const std::vector<Move> moves = {
    {"falls past a Block", Block, 3, 3, 100, 89, 0, 1, 0, 100, 90, 0, 0, 0, {}},
    {"lands on a Block", Block, 3, 3, 100, 90, 0, 1, 0, 100, 88, 64, 0, 0, {103}},
    {"lands on a wall, stepping diagonally",
     Block,
     19,
     3,
     602,
     90,
     1,
     1,
     0,
     602,
     88,
     64,
     0,
     0,
     {103}},
    {"breaks a Brick", Brick, 3, 3, 100, 90, 1, 1, 0, 100, 88, 64, 0, 0, {104}},
    {"springs off a Spring", Spring, 3, 3, 100, 90, 0, 1, 0, 100, 86, 196, 0, 0, {106}},
    {"glides off a RightLauncher", RightLauncher, 6, 2, 200, 58, 0, 1, 0, 224, 80, 0, 1, 0, {107}},
    {"glides off a LeftLauncher", LeftLauncher, 6, 2, 200, 58, 0, 1, 0, 192, 80, 0, -1, 0, {107}},
    {"refused by a Block on the right", Block, 5, 5, 154, 170, 1, 0, 0, 154, 170, 0, 0, 0, {}},
    {"refused by a Brick on the left", Brick, 5, 5, 197, 170, -1, 0, 0, 197, 170, 0, 0, 0, {}},
    {"refused by a Spring above", Spring, 5, 5, 170, 197, 0, -1, 0, 170, 197, 0, 0, 0, {}},
    {"refused by a launcher above", LeftLauncher, 5, 5, 170, 203, 0, -2, 0, 170, 203, 0, 0, 0, {}},
    {"refused by code 7 even landing", 7, 5, 5, 170, 156, 0, 1, 0, 170, 156, 0, 0, 0, {}},
    {"x - 6 truncates to the wall", Block, 0, 3, 0, 100, -1, 1, 0, 0, 100, 0, 0, 0, {}},
    {"clamped back onto the screen", Empty, 0, 3, 0, 100, -1, 1, 0, 0, 101, 0, 0, 0, {}},
    {"kicked left off a wall", Block, 5, 5, 155, 171, 0, 1, VK_LEFT, 134, 172, 0, 0, -100, {111}},
    {"kicked right off a wall", Block, 5, 5, 196, 170, 0, 1, VK_RIGHT, 217, 171, 0, 0, 100, {111}},
    {"not kicked off a Brick", Brick, 5, 5, 155, 171, 0, 1, VK_LEFT, 155, 172, 0, 0, 0, {}},
    {"kicked right out of a wall, clears",
     Block,
     19,
     5,
     625,
     170,
     0,
     0,
     VK_RIGHT,
     639,
     170,
     0,
     0,
     100,
     {111}},
};

using MoveBall = GameTest;

TEST_F(MoveBall, ActsOnTheProbedTileAndKicksOffWalls) {
    for (const Move& m : moves) {
        SCOPED_TRACE(m.what);
        newGame();
        setCell(m.column, m.row, m.tile);
        placeBall(m.x, m.y);
        if (m.key != 0) {
            keys.press(m.key);
            board->update();
        }
        armCue();
        moveBall(m.dx, m.dy);
        EXPECT_EQ(gameState.ballX, m.endX);
        EXPECT_EQ(gameState.ballY, m.endY);
        EXPECT_EQ(gameState.lift, m.lift);
        EXPECT_EQ(gameState.glide, m.glide);
        EXPECT_EQ(gameState.kick, m.kick);
        EXPECT_EQ(audio.played, m.waves);
        EXPECT_EQ(tileAt(m.column, m.row), m.waves == std::vector{104} ? Empty : m.tile);
        EXPECT_EQ(gameState.stageCleared, m.endX == 639 ? 1 : 0);
    }
}

TEST_F(MoveBall, WithWallsOnBothSidesTheKickToTheRightWins) {
    setCell(5, 5, Block);
    setCell(6, 5, Block);
    keys.press(VK_LEFT);
    keys.press(VK_RIGHT);
    board->update();
    placeBall(190, 170);
    moveBall(0, 0);
    EXPECT_EQ(gameState.ballX, 211);
    EXPECT_EQ(gameState.kick, 100);
}

TEST_F(MoveBall, AMineTakesTheBallFromEverySideAndPausesOnEveryProbe) {
    setCell(5, 5, Mine);
    armCue();
    const std::array<std::array<std::int32_t, 4>, 5> approaches = {{{170, 154, 0, 1},
                                                                    {170, 197, 0, -1},
                                                                    {154, 170, 1, 0},
                                                                    {197, 170, -1, 0},
                                                                    {197, 170, -1, 0}}};
    for (const auto [x, y, dx, dy] : approaches) {
        gameState.ballLost = 0;
        placeBall(x, y);
        moveBall(dx, dy);
        EXPECT_EQ(gameState.ballX, x);
        EXPECT_EQ(gameState.ballY, y);
        EXPECT_EQ(gameState.ballLost, 1);
    }
    EXPECT_EQ(clock.sleeps, std::vector<std::uint32_t>(5, 1500));
    EXPECT_EQ(audio.played, std::vector<int>{105});
}

TEST_F(MoveBall, TheEdgeEventsFireAndPauseOnEveryCallClearedFirst) {
    gameState.map.fill(Empty);
    armCue();
    placeBall(638, 100);
    moveBall(1, 0);  // cleared
    moveBall(1, 0);  // the probe beyond the screen reads no tile; the clamp holds the ball
    placeBall(300, 478);
    moveBall(0, 1);  // lost
    moveBall(0, 0);
    EXPECT_EQ(clock.sleeps, (std::vector<std::uint32_t>{700, 700, 500, 500}));
    EXPECT_EQ(audio.played, std::vector<int>{112});

    clock.sleeps.clear();
    armCue();
    placeBall(638, 478);
    moveBall(1, 1);
    EXPECT_EQ(gameState.ballX, 639);
    EXPECT_EQ(gameState.ballY, 479);
    EXPECT_EQ(clock.sleeps, (std::vector<std::uint32_t>{700, 500}));
    EXPECT_EQ(audio.played, (std::vector<int>{112, 112}));

    placeBall(0, 0);
    moveBall(-1, -2);  // the other two edges only clamp
    EXPECT_EQ(gameState.ballX, 0);
    EXPECT_EQ(gameState.ballY, 0);
    EXPECT_EQ(clock.sleeps.size(), 2u);
}

TEST(Median3, GivesTheMiddleValueInEveryOrderAndWithTies) {
    const std::vector<std::array<std::int32_t, 4>> cases = {
        {1, 2, 3, 2},   {1, 3, 2, 2},       {2, 1, 3, 2},       {2, 3, 1, 2},      {3, 1, 2, 2},
        {3, 2, 1, 2},   {5, 5, 3, 5},       {3, 5, 5, 5},       {5, 3, 5, 5},      {0, -7, 639, 0},
        {0, 0, 639, 0}, {0, 320, 639, 320}, {0, 639, 639, 639}, {0, 640, 639, 639}};
    for (const auto [a, b, c, middle] : cases) {
        EXPECT_EQ(median3(a, b, c), middle) << a << " " << b << " " << c;
    }
}

}  // namespace
