#pragma once
// The one record of game globals, read and written directly by the game's routines.
#include <array>
#include <cstdint>

#include "game/Tiles.h"

struct GameState {
    std::int32_t ballX = 320;
    std::int32_t ballY = 240;
    std::int32_t lives = 12;
    std::int32_t stage = 0;
    // The working copy of the current stage; Bricks disappear from it during play.
    StageMap map{};
    std::int32_t stageCleared = 0;
    std::int32_t ballLost = 0;
    // -1, 0 or +1: sideways travel after a launcher.
    std::int32_t glide = 0;
    // Substeps of upward impulse left after a bounce.
    std::int32_t lift = 0;
    // Wall-kick counter, from -100 or +100 toward 0.
    std::int32_t kick = 0;
    std::int32_t hover = 0;
    std::int32_t hoverCharge = 0;
    // Whether the next sound cue may start; armed once a frame.
    std::int32_t cueArmed = 0;
};

extern GameState gameState;
