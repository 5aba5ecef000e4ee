#include <array>
#include <vector>

#include "assets/ResourceIds.h"
#include "game/Cues.h"
#include "game/Random.h"
#include "game/StepBall.h"
#include "game/Trail.h"
#include "tests/game/GameFixture.h"
#include "winapi/VirtualKeyCodes.h"

namespace {

// How the arrows steer the ball and draw from the random sequence, how it moves while hovering,
// a kick's flight and its turn off a wall, and the lift's steps (a launcher landed on mid-lift
// among them) are pinned by the golden replays.
class StepBall : public GameTest {
  protected:
    // One substep as the frame loop runs it, with these keys held. Returns the ball's move.
    Pixel substep(std::initializer_list<int> held = {}) {
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

TEST_F(StepBall, HoversOnTheThousandAndFirstSubstepUntilSpaceIsReleased) {
    placeBall(300, 200);
    std::vector<Pixel> path;
    for (int n = 0; n < 1000; ++n) {
        substep({VK_SPACE});
        path.push_back(ball());
    }
    EXPECT_EQ((Pixel{ballTrail[99].x, ballTrail[99].y}), path[900]);
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
