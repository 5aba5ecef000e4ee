#pragma once
// The game's own time, counted as the replay tool's virtual clock counts it: every pause the
// game asks for, and every present paced to the 60 Hz grid on a clock of that time alone. Waits
// for a key count nothing, and the wall clock never enters it, so one key script gives the same
// time wherever it is played, however long a player held the game.
#include <cstdint>

#include "display/FramePacer.h"
#include "platform/seams/Clock.h"

class GameTime {
  public:
    // The game paused for `ms`.
    void slept(std::uint32_t ms) { clock_.sleep(ms); }
    // The game presented a picture: it waits for the next tick after the previous present.
    void presented() { pacer_.waitForNextTick(clock_); }
    // All the time counted so far.
    std::uint64_t totalNs() const { return clock_.waitedNs(); }

  private:
    platform::VirtualClock clock_;
    FramePacer pacer_;
};
