#include <algorithm>
#include <array>
#include <utility>
#include <vector>

#include "assets/ResourceIds.h"
#include "game/Cues.h"
#include "game/Random.h"
#include "game/StepBall.h"
#include "game/Trail.h"
#include "tests/game/GameFixture.h"
#include "winapi/VirtualKeyCodes.h"

namespace {

// A remainder that a random draw must leave: draw % divisor == remainder.
using DrawRule = std::pair<std::int32_t, std::int32_t>;
constexpr DrawRule Still = {3, 1};  // a jitter offset of 0

class StepBall : public GameTest {
  protected:
    // One substep as the frame loop runs it, with these keys held; when rules are given, the
    // random state is first set so that the next draws follow them. Returns the ball's move.
    Pixel substep(std::initializer_list<int> held = {}, std::vector<DrawRule> rules = {}) {
        for (std::uint32_t seed = 0; !rules.empty(); ++seed) {
            randomState = seed;
            const auto fits = [](DrawRule rule) {
                return nextRandom() % rule.first == rule.second;
            };
            if (std::all_of(rules.begin(), rules.end(), fits)) {
                randomState = seed;
                break;
            }
        }
        keys = {};
        for (const int vk : held) {
            keys.press(vk);
        }
        keyboard->update();
        const Pixel from = ball();
        stepBall();
        return {gameState.ballX - from[0], gameState.ballY - from[1]};
    }
};

TEST_F(StepBall, ArrowsNudgeAndUpOrDownDrawOnlyWhileHeld) {
    placeBall(300, 200);
    EXPECT_EQ(substep({VK_DOWN}, {Still, Still, {3, 0}}), (Pixel{0, 2}));  // gravity and nudge
    EXPECT_EQ(substep({VK_DOWN}, {Still, Still, {3, 2}}), (Pixel{0, 1}));
    EXPECT_EQ(substep({VK_UP}, {Still, Still, {3, 0}}), (Pixel{0, 0}));
    EXPECT_EQ(substep({VK_LEFT}, {Still, Still}), (Pixel{-1, 1}));
    EXPECT_EQ(substep({VK_LEFT, VK_RIGHT}, {Still, Still}), (Pixel{0, 1}));

    // Up draws before Down, and neither draws while its key is up.
    EXPECT_EQ(substep({VK_UP, VK_DOWN}, {Still, Still, {3, 0}, {3, 1}}), (Pixel{0, 0}));
    EXPECT_EQ(substep({VK_DOWN}, {Still, Still, {3, 1}, {3, 0}}), (Pixel{0, 1}));
}

TEST_F(StepBall, HoversOnTheThousandAndFirstSubstepUntilSpaceIsReleased) {
    placeBall(300, 200);
    std::vector<Pixel> path;
    for (int n = 0; n < 1000; ++n) {
        substep({VK_SPACE});
        path.push_back(ball());
    }
    EXPECT_EQ((Pixel{gameState.trail[99].x, gameState.trail[99].y}), path[900]);
    EXPECT_EQ(gameState.hover, 0);
    armCue();
    substep({VK_SPACE});
    EXPECT_EQ(gameState.hover, 1);
    EXPECT_EQ(audio.played, std::vector{resource::StageClearWave});

    placeBall(300, 200);  // in mid-air again, whatever bounces the charge took
    gameState.lift = 0;
    // Hovering: no gravity; Down always steps, Up unless the draw is a multiple of 4.
    EXPECT_EQ(substep({VK_SPACE}, {Still, Still}), (Pixel{0, 0}));
    EXPECT_EQ(substep({VK_SPACE, VK_DOWN}, {Still, Still}), (Pixel{0, 1}));
    EXPECT_EQ(substep({VK_SPACE, VK_UP}, {Still, Still, {4, 1}}), (Pixel{0, -1}));
    EXPECT_EQ(substep({VK_SPACE, VK_UP}, {Still, Still, {4, 0}}), (Pixel{0, 0}));

    gameState.glide = 1;  // gliding neither charges nor breaks the hover
    substep();
    EXPECT_EQ(gameState.hover, 1);
    gameState.glide = 0;
    substep();
    EXPECT_EQ(gameState.hover + gameState.hoverCharge, 0);
}

TEST_F(StepBall, GlidesThreePixelsASubstepUntilAWallOrAnArrowStopsIt) {
    placeBall(596, 200);  // a step from x 602 probes the right wall at x 608
    gameState.glide = 1;
    gameState.lift = 30;
    // The lift is dropped at once, or the first step would rise.
    EXPECT_EQ((std::vector{substep(), substep(), substep()}),
              (std::vector<Pixel>{{3, 0}, {3, 0}, {0, 0}}));
    EXPECT_EQ((std::array{gameState.lift, gameState.glide}), (std::array{0, 0}));
    EXPECT_EQ(randomState, 1u);  // gliding draws nothing
    EXPECT_TRUE(audio.played.empty());

    placeBall(300, 200);  // away from the wall, which Left would kick off
    for (const int vk : {VK_UP, VK_DOWN, VK_LEFT, VK_RIGHT}) {
        gameState.glide = -1;
        armCue();
        EXPECT_EQ(substep({vk}), (Pixel{0, 0}));
        EXPECT_EQ(gameState.glide, 0);
    }
    EXPECT_EQ(audio.played, std::vector(4, resource::GlideBreakWave));
}

// The lift's steps, its running out and its refusal by a tile are pinned by the golden replays.
TEST_F(StepBall, LandingOnALauncherMidLiftGlidesAtOnce) {
    setCell(9, 10, RightLauncher);  // y 320..351: landing on it mid-lift glides at once
    placeBall(300, 318);
    gameState.lift = 10;
    substep({}, {Still, Still});
    EXPECT_EQ(ball(), (Pixel{320 + 1, 336 - 2}));
}

TEST_F(StepBall, ALeftwardKickStepThatKicksOffAWallFliesRightInTheSameSubstep) {
    setCell(5, 8, Block);  // x 160..191, y 256..287: on the left just above the ball
    placeBall(190, 288);
    gameState.hover = 1;
    gameState.kick = -50;
    armCue();
    // Right steps to 191; the kick's step (-1, -1) is refused by the Block, but the Block on the
    // left with Right held throws the ball to 211 with kick +100; the rightward step follows.
    EXPECT_EQ(substep({VK_SPACE, VK_RIGHT}, {Still, Still}), (Pixel{22, -1}));
    EXPECT_EQ(gameState.kick, 99);
    EXPECT_EQ(audio.played, std::vector{resource::WallKickWave});
}

}  // namespace
