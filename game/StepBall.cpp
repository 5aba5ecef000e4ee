#include "game/StepBall.h"

#include "game/Cues.h"
#include "game/GameState.h"
#include "game/MoveBall.h"
#include "game/Random.h"
#include "game/Trail.h"
#include "shell/Keyboard.h"
#include "winapi/VirtualKeyCodes.h"

namespace {

bool keyDown(int vk) {
    return keyboard->isDown(vk) != 0;
}

// A random offset of -1, 0 or +1.
std::int32_t randomOffset() {
    return nextRandom() % 3 - 1;
}

// The first draw is the vertical offset, the second the horizontal one.
void jitter() {
    const std::int32_t dy = randomOffset();
    const std::int32_t dx = randomOffset();
    moveBall(dx, dy);
}

// After a launcher the ball travels sideways until an arrow key or a wall stops it.
void glideControl() {
    GameState& g = gameState;
    g.lift = 0;
    for (const int vk : {VK_UP, VK_DOWN, VK_LEFT, VK_RIGHT}) {
        if (keyDown(vk)) {
            g.glide = 0;
        }
    }
    if (g.glide == 0) {
        playCue(Cue::GlideBreak);
    }
    const std::int32_t startX = g.ballX;
    for (int step = 0; step < 3; ++step) {
        moveBall(g.glide, 0);
    }
    if (g.ballX == startX) {
        g.glide = 0;
    }
}

void chargeHover() {
    GameState& g = gameState;
    if (keyDown(VK_SPACE) && g.hover == 0) {
        g.hoverCharge += 1;
        if (g.hoverCharge > HoverChargeNeeded) {
            g.hover = 1;
            playCue(Cue::StageClear);
        }
    }
    if (!keyDown(VK_SPACE)) {
        g.hoverCharge = 0;
        g.hover = 0;
    }
}

void normalControl() {
    chargeHover();
    if (gameState.hover != 0) {
        jitter();
        if (keyDown(VK_UP) && nextRandom() % 4 != 0) {
            moveBall(0, -1);
        }
        if (keyDown(VK_DOWN)) {
            moveBall(0, 1);
        }
    } else {
        moveBall(0, 1);
        jitter();
        if (keyDown(VK_UP) && nextRandom() % 3 == 0) {
            moveBall(0, -1);
        }
        if (keyDown(VK_DOWN) && nextRandom() % 3 == 0) {
            moveBall(0, 1);
        }
    }
    if (keyDown(VK_LEFT)) {
        moveBall(-1, 0);
    }
    if (keyDown(VK_RIGHT)) {
        moveBall(1, 0);
    }
}

// The upward impulse after a bounce: alternately two pixels and one, ending when blocked.
void applyLift() {
    GameState& g = gameState;
    g.lift -= 1;
    const std::int32_t startY = g.ballY;
    moveBall(g.glide, 0);
    moveBall(0, g.lift % 2 != 0 ? -2 : -1);
    if (g.ballY == startY) {
        g.lift = 0;
    }
}

// One step of the flight off a wall; a step that cannot move the ball sideways ends the kick.
void kickStep(std::int32_t dx, std::int32_t dy) {
    GameState& g = gameState;
    const std::int32_t startX = g.ballX;
    moveBall(dx, dy);
    if (g.ballX == startX) {
        g.kick = 0;
    }
}

// Leftward every third step rises two pixels, rightward every other. The directions are tested
// in turn, not as either/or: a leftward step that kicks off a wall on the ball's left starts the
// rightward flight, and its first step is made in the same substep.
void applyKick() {
    GameState& g = gameState;
    if (g.kick < 0) {
        g.kick += 1;
        kickStep(-1, g.kick % 3 != 0 ? -1 : -2);
    }
    if (g.kick > 0) {
        g.kick -= 1;
        kickStep(1, g.kick % 2 != 0 ? -1 : -2);
    }
}

}  // namespace

void stepBall() {
    GameState& g = gameState;
    if (g.glide != 0) {
        glideControl();
    } else {
        normalControl();
    }
    if (g.lift > 0) {
        applyLift();
    }
    applyKick();
    followBall();
}
