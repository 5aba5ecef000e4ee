#pragma once
// What playing a key script from start-up, to its end, shows of each stage: the substeps played
// in it (over all its attempts), the polls of its play, the lives left once it was cleared and
// its time in the game's own time.
#include <array>
#include <cstdint>

#include "devtools/solver/SolverSession.h"
#include "game/RunGame.h"

struct ReplayedStage {
    std::uint64_t substeps = 0;
    std::uint64_t firstPoll = 0;
    std::uint64_t lastPoll = 0;
    bool cleared = false;
    std::int32_t livesLeft = 0;  // once cleared
    std::uint64_t timeNs = 0;    // once cleared
};

// By stage number, 1 to LastStage; element 0 stays empty.
using ReplayedStages = std::array<ReplayedStage, LastStage + 1>;

ReplayedStages replayStages(const KeyLines& script);
