#pragma once
// The run in play, timed in the game's own time (RunTimer) and shown by the player's layer: the
// timer at every picture, a stage's split against its personal best when it is cleared, the
// ghost's ball at the poll of the attempt the game is at, and the results once the game is over.
// Make it after the desktop's seams are installed and before runGame; it changes nothing that
// the game does.
#include <cstddef>
#include <functional>

#include "runs/Ghost.h"
#include "runs/Records.h"
#include "runs/RunTimer.h"
#include "shell/PlayerLayer.h"

class ShownRun {
  public:
    // Places of the ghost's trail drawn behind its ball.
    static constexpr std::size_t GhostTrail = 12;

    // `ghost`, when not null, and `bests`, the records before this run, outlive it.
    ShownRun(PlayerLayer& layer, const Ghost* ghost, const Records& bests);
    ~ShownRun();
    ShownRun(const ShownRun&) = delete;
    ShownRun& operator=(const ShownRun&) = delete;

    RunTimes times() const { return timer_.times(); }
    // The game is over: each stage's time, the total and the sum of best as `kept` has it now.
    void showResults(const Records& kept);

  private:
    void presenting();

    PlayerLayer& layer_;
    const Ghost* ghost_;
    const Records& bests_;
    RunTimer timer_;
    std::function<void()> previousPresents_;
    std::size_t splitsShown_ = 0;
};

// The personal bests as the help lists them.
platform::OverlayColumn bestsShown(const Records& records);
