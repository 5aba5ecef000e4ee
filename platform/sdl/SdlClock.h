#pragma once
// Real time: sleeps that give the core away, and SDL's high-resolution counter. A sleep takes in
// the desktop's events every 10 ms, so that SDL's watchers keep up while the game sleeps (the
// window repaints itself when uncovered or resized); the events wait in SDL's queue for the
// game's next pump and poll, which find them as they would have without it.
#include <cstdint>

#include "platform/seams/Clock.h"

namespace platform {

class SdlClock : public RealTimeClock {
  public:
    SdlClock();
    std::uint64_t nowNs() override;
    // Returns at, or up to about a millisecond after, the deadline; never spins.
    void sleepUntilNs(std::uint64_t deadlineNs) override;
    // Sleeps on SDL's event queue (on X11, on the display's connection).
    void awaitEvents(std::uint32_t timeoutMs) override;

  private:
    std::uint64_t ticksPerSecond_;
};

}  // namespace platform
