#include "game/Trail.h"

#include <algorithm>

#include "game/GameState.h"

namespace {

bool trailStill = false;

}  // namespace

void followBall() {
    if (trailStill) {
        return;
    }
    auto& trail = gameState.trail;
    std::copy_backward(trail.begin(), trail.end() - 1, trail.end());
    trail[0] = TrailPoint{gameState.ballX, gameState.ballY};
}

void keepTrailStill(bool still) {
    trailStill = still;
}

void resetTrail() {
    gameState.trail.fill(TrailPoint{320, 240});
}
