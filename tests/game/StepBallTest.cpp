#include <array>
#include <utility>
#include <vector>

#include "game/Cues.h"
#include "game/StepBall.h"
#include "game/Trail.h"
#include "shell/VirtualKeys.h"
#include "tests/game/GameFixture.h"

namespace {

using Offset = std::array<std::int32_t, 2>;

// A remainder that a random draw must leave: draw % divisor == remainder.
using DrawRule = std::pair<std::int32_t, std::int32_t>;
constexpr DrawRule StillOffset = {3, 1};  // a jitter offset of 0

// Sets the random state to one whose next draws follow the rules, in order.
void arrangeDraws(const std::vector<DrawRule>& rules) {
    for (std::uint32_t seed = 0;; ++seed) {
        randomState = seed;
        bool fits = true;
        for (const auto& [divisor, remainder] : rules) {
            fits = fits && nextRandom() % divisor == remainder;
        }
        if (fits) {
            randomState = seed;
            return;
        }
    }
}

class StepBall : public GameTest {
  protected:
    // One substep as the frame loop runs it, with the keys held now; returns the ball's move.
    Offset substep(std::initializer_list<int> held = {}) {
        keys = {};
        for (const int vk : held) {
            keys.press(vk);
        }
        board->update();
        const Offset from = {gameState.ballX, gameState.ballY};
        stepBall();
        return {gameState.ballX - from[0], gameState.ballY - from[1]};
    }

    Offset stillSubstep(std::initializer_list<DrawRule> extraDraws = {},
                        std::initializer_list<int> held = {}) {
        std::vector<DrawRule> rules = {StillOffset, StillOffset};
        rules.insert(rules.end(), extraDraws);
        arrangeDraws(rules);
        return substep(held);
    }

    // Hovering with a still jitter, only the impulses move the ball.
    std::vector<Offset> hoveringMoves(int substeps) {
        gameState.hover = 1;
        std::vector<Offset> result;
        for (int i = 0; i < substeps; ++i) {
            result.push_back(stillSubstep({}, {VK_SPACE}));
        }
        return result;
    }
};

TEST(NextRandom, StartsWithTheFixedSequence) {
    randomState = 1;
    EXPECT_EQ(nextRandom(), 41);
    EXPECT_EQ(nextRandom(), 18467);
    EXPECT_EQ(nextRandom(), 6334);
}

TEST_F(StepBall, StageOneWithNoKeyBouncesOffTheFloorOnItsFiftySixthSubstep) {
    loadStage(1);
    resetTrail();
    const std::vector<TrailPoint> firstFour = {{65, 354}, {65, 355}, {65, 357}, {64, 357}};
    for (int n = 1; n <= 56; ++n) {
        if (n % 4 == 1) {
            armCue();  // as the frame loop does before its four substeps
        }
        substep();
        if (n <= 4) {
            EXPECT_EQ(gameState.ballX, firstFour[n - 1].x) << n;
            EXPECT_EQ(gameState.ballY, firstFour[n - 1].y) << n;
        }
    }
    EXPECT_EQ(gameState.trail[1].x, 62);
    EXPECT_EQ(gameState.trail[1].y, 409);
    EXPECT_EQ(gameState.trail[0].x, 62);
    EXPECT_EQ(gameState.trail[0].y, 406);
    EXPECT_EQ(gameState.ballY, 406);
    EXPECT_EQ(gameState.lift, 63);
    EXPECT_EQ(audio.played, std::vector<int>{103});
    EXPECT_EQ(gameState.trail[55].y, 354);  // the first substep's position
    EXPECT_EQ(gameState.trail[56].y, 240);  // not overwritten since the reset
}

TEST_F(StepBall, NudgesByArrowsAndDrawsOnlyWhileUpOrDownIsHeld) {
    placeBall(300, 200);
    EXPECT_EQ(stillSubstep({{3, 0}}, {VK_DOWN}), (Offset{0, 2}));  // gravity and the nudge
    EXPECT_EQ(stillSubstep({{3, 2}}, {VK_DOWN}), (Offset{0, 1}));
    EXPECT_EQ(stillSubstep({{3, 0}}, {VK_UP}), (Offset{0, 0}));
    EXPECT_EQ(stillSubstep({}, {VK_LEFT}), (Offset{-1, 1}));
    EXPECT_EQ(stillSubstep({}, {VK_LEFT, VK_RIGHT}), (Offset{0, 1}));

    const auto drawsMade = [this](std::initializer_list<int> held) {
        randomState = 12345;
        substep(held);
        const std::uint32_t after = randomState;
        randomState = 12345;
        for (int draws = 0;; ++draws, nextRandom()) {
            if (randomState == after) {
                return draws;
            }
        }
    };
    EXPECT_EQ(drawsMade({}), 2);
    EXPECT_EQ(drawsMade({VK_UP, VK_DOWN}), 4);
}

TEST_F(StepBall, HoversOnTheThousandAndFirstSubstepUntilSpaceIsReleased) {
    placeBall(300, 200);
    for (int n = 0; n < 1000; ++n) {
        substep({VK_SPACE});
    }
    EXPECT_EQ(gameState.hover, 0);
    armCue();
    substep({VK_SPACE});
    EXPECT_EQ(gameState.hover, 1);
    EXPECT_EQ(audio.played, std::vector<int>{112});

    placeBall(300, 200);  // in mid-air again, whatever bounces the charge took
    gameState.lift = 0;
    // Hovering: no gravity; Down always steps, Up unless the draw is a multiple of 4.
    EXPECT_EQ(stillSubstep({}, {VK_SPACE}), (Offset{0, 0}));
    EXPECT_EQ(stillSubstep({}, {VK_SPACE, VK_DOWN}), (Offset{0, 1}));
    EXPECT_EQ(stillSubstep({{4, 1}}, {VK_SPACE, VK_UP}), (Offset{0, -1}));
    EXPECT_EQ(stillSubstep({{4, 0}}, {VK_SPACE, VK_UP}), (Offset{0, 0}));

    gameState.glide = 1;  // gliding neither charges nor breaks the hover
    substep();
    EXPECT_EQ(gameState.hover, 1);
    gameState.glide = 0;
    substep();
    EXPECT_EQ(gameState.hover, 0);
    EXPECT_EQ(gameState.hoverCharge, 0);
}

TEST_F(StepBall, GlidesThreePixelsASubstepUntilAnArrowOrAWallStopsIt) {
    placeBall(596, 200);  // a step from x 602 probes the right wall at x 608
    gameState.glide = 1;
    gameState.lift = 30;
    EXPECT_EQ(substep(), (Offset{3, 0}));
    EXPECT_EQ(gameState.lift, 0);
    EXPECT_EQ(randomState, 1u);
    EXPECT_EQ(substep(), (Offset{3, 0}));
    EXPECT_EQ(substep(), (Offset{0, 0}));
    EXPECT_EQ(gameState.glide, 0);
    EXPECT_TRUE(audio.played.empty());

    placeBall(300, 200);  // away from the wall, which Left would kick off
    for (const int vk : {VK_UP, VK_DOWN, VK_LEFT, VK_RIGHT}) {
        gameState.glide = -1;
        armCue();
        EXPECT_EQ(substep({vk}), (Offset{0, 0}));
        EXPECT_EQ(gameState.glide, 0);
    }
    EXPECT_EQ(audio.played, std::vector<int>(4, 108));
}

TEST_F(StepBall, LiftRisesTwoThenOnePixelsUntilItRunsOutOrIsRefused) {
    placeBall(300, 400);
    gameState.lift = 64;
    const auto moves = hoveringMoves(64);
    EXPECT_EQ(moves[0], (Offset{0, -2}));
    EXPECT_EQ(moves[1], (Offset{0, -1}));
    EXPECT_EQ(gameState.ballY, 400 - 96);
    EXPECT_EQ(gameState.lift, 0);

    setCell(9, 8, Block);  // y 256..287, just above the ball
    placeBall(300, 290);
    gameState.lift = 10;
    EXPECT_EQ(hoveringMoves(1)[0], (Offset{0, 0}));
    EXPECT_EQ(gameState.lift, 0);
}

TEST_F(StepBall, KicksStepLeftSteepFirstEveryThirdAndRightShallowFirstEveryOther) {
    placeBall(400, 300);
    gameState.kick = -100;
    auto moves = hoveringMoves(100);
    EXPECT_EQ(std::vector(moves.begin(), moves.begin() + 4),
              (std::vector<Offset>{{-1, -2}, {-1, -1}, {-1, -1}, {-1, -2}}));
    EXPECT_EQ(gameState.ballX, 300);
    EXPECT_EQ(gameState.ballY, 300 - 134);
    EXPECT_EQ(gameState.kick, 0);

    placeBall(200, 300);
    gameState.kick = 100;
    moves = hoveringMoves(100);
    EXPECT_EQ(std::vector(moves.begin(), moves.begin() + 3),
              (std::vector<Offset>{{1, -1}, {1, -2}, {1, -1}}));
    EXPECT_EQ(gameState.ballX, 300);
    EXPECT_EQ(gameState.ballY, 300 - 150);
    EXPECT_EQ(gameState.kick, 0);
}

TEST_F(StepBall, AKickStartsInTheSameSubstepAndEndsAgainstAWall) {
    placeBall(36, 300);  // 7 pixels right of the left wall
    stillSubstep({}, {VK_RIGHT});
    EXPECT_EQ(gameState.kick, 99);
    EXPECT_EQ(gameState.ballX, 36 + 21 + 1 + 1);  // jump, Right arrow step, first kick step

    placeBall(37, 300);  // one more step left probes the wall
    gameState.kick = -100;
    hoveringMoves(1);
    EXPECT_EQ(gameState.ballX, 37);
    EXPECT_EQ(gameState.kick, 0);
}

TEST(Trail, ResetCentresEveryPointAndShiftAgesThemByOne) {
    for (std::size_t i = 0; i < TrailLength; ++i) {
        gameState.trail[i] = {static_cast<std::int32_t>(i), 0};
    }
    shiftTrail();
    EXPECT_EQ(gameState.trail[0].x, 0);
    EXPECT_EQ(gameState.trail[1].x, 0);
    EXPECT_EQ(gameState.trail[99].x, 98);
    resetTrail();
    for (const TrailPoint& point : gameState.trail) {
        EXPECT_EQ(point.x * 1000 + point.y, 320240);
    }
}

}  // namespace
