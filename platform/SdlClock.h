#pragma once
// Real time: sleeps that give the core away, and SDL's high-resolution counter.
#include <cstdint>

#include "platform/Clock.h"

namespace platform {

class SdlClock : public Clock {
  public:
    SdlClock();
    void sleep(std::uint32_t ms) override;
    std::uint64_t nowNs() override;
    // Returns at, or up to about a millisecond after, the deadline; never spins.
    void sleepUntilNs(std::uint64_t deadlineNs) override;

  private:
    std::uint64_t ticksPerSecond_;
};

}  // namespace platform
