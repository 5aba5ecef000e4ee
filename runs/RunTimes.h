#pragma once
// How long a run took, in the game's own time (see docs/RECORDING.md, "How time is counted").
// A run starts at its first stage's card; a stage's time runs from the card of its first attempt
// to the end of the frame that cleared it, lost balls and a game over's screen included, so the
// stages' times add up to the run's.
#include <cstdint>
#include <optional>
#include <vector>

#include "game/RunGame.h"

struct StageTime {
    std::int32_t stage = 0;
    std::uint64_t ns = 0;
    std::int32_t ballsLost = 0;
    // False for a stage left by a game over (or still in play).
    bool cleared = false;
};

struct RunTimes {
    // The stage play started at (FirstStage, or a practice run's); 0 before play started.
    std::int32_t firstStage = 0;
    // The stages done with, in the order played: cleared, or left by a game over.
    std::vector<StageTime> finished;
    // The stage in play, its time so far; none before play and once the last stage is cleared.
    std::optional<StageTime> inPlay;
    // From the first stage's card to the frame that cleared the last stage, or until now.
    std::uint64_t runNs = 0;
    // Everything counted since timing began, the title's screen included.
    std::uint64_t totalNs = 0;
    // Whether the last stage was cleared, which shows the ending.
    bool endingReached = false;
    // The polls of play made in the current attempt at the stage in play (one each substep).
    std::uint64_t attemptPolls = 0;

    // A whole game: from the first stage to the ending.
    bool wholeGame() const { return firstStage == FirstStage && endingReached; }
    // The quickest clearing of `stage` in this run, if it was cleared.
    std::optional<std::uint64_t> clearedIn(std::int32_t stage) const;
};
