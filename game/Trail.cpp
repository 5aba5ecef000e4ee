#include "game/Trail.h"

#include <algorithm>

#include "game/GameState.h"

void shiftTrail() {
    auto& trail = gameState.trail;
    std::copy_backward(trail.begin(), trail.end() - 1, trail.end());
}

void resetTrail() {
    gameState.trail.fill(TrailPoint{320, 240});
}
