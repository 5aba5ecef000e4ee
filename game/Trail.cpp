#include "game/Trail.h"

#include <algorithm>

#include "game/GameState.h"

std::array<TrailPoint, TrailLength> ballTrail{};

namespace {

bool trailStill = false;

}  // namespace

void followBall() {
    if (trailStill) {
        return;
    }
    std::copy_backward(ballTrail.begin(), ballTrail.end() - 1, ballTrail.end());
    ballTrail[0] = TrailPoint{gameState.ballX, gameState.ballY};
}

void keepTrailStill(bool still) {
    trailStill = still;
}

void resetTrail() {
    ballTrail.fill(TrailPoint{320, 240});
}
