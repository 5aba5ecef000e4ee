#pragma once
// How a game ended, in one line: what the replay tool reports and a recording ends with.
#include <cstdint>
#include <string>

#include "game/RunGame.h"

struct GameOutcome {
    GameEnd end = GameEnd::Closed;
    std::int32_t stage = 0;
    std::int32_t lives = 0;
    std::uint64_t polls = 0;     // every keyboard poll, the Keyboard's first included
    std::uint64_t substeps = 0;  // substeps that ran stepBall
};

// "end=<ending|escape|closed> stage=S lives=L polls=P substeps=N".
std::string endLine(const GameOutcome& outcome);
