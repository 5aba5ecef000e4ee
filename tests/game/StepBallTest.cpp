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

// How the ball moves while hovering, a kick's flight and its turn off a wall, and the lift's steps
// (a launcher landed on mid-lift among them) are pinned by the golden replays.

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

}  // namespace
