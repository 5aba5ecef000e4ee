#include "runs/Invariants.h"

#include <algorithm>

#include "game/GameState.h"

namespace {

bool within(std::int32_t value, std::int32_t low, std::int32_t high) {
    return value >= low && value <= high;
}

}  // namespace

std::string brokenInvariant() {
    const GameState& g = gameState;
    if (!within(g.ballX, 0, 639) || !within(g.ballY, 0, 479)) {
        return "the ball is off the screen at " + std::to_string(g.ballX) + "," +
               std::to_string(g.ballY);
    }
    if (!within(g.stage, 1, 20)) {
        return "stage " + std::to_string(g.stage) + " is not one of 1..20";
    }
    if (!within(g.lives, 0, 12)) {
        return std::to_string(g.lives) + " lives, not 0..12";
    }
    const auto* wrong = std::find_if(g.map.begin(), g.map.end(),
                                     [](std::int32_t code) { return !within(code, 0, 9); });
    if (wrong != g.map.end()) {
        return "map cell " + std::to_string(wrong - g.map.begin()) + " holds code " +
               std::to_string(*wrong);
    }
    return {};
}
