#pragma once
// Paces presents to a 60 Hz grid of our own, standing in for the monitor's vertical retrace:
// a present waits for the next tick after the previous present. One that comes late takes its
// own time as the new grid and does not try to catch up.
#include <cstdint>
#include <optional>

#include "platform/seams/Clock.h"

class FramePacer {
  public:
    static constexpr std::uint64_t TickNs = 16'666'667;

    // Blocks until the next tick after the previous call, then counts that tick as presented.
    void waitForNextTick(platform::Clock& clock);
    // The tick last waited for: when the picture presented after it was due.
    std::uint64_t lastTickNs() const { return lastTickNs_.value_or(0); }

  private:
    std::optional<std::uint64_t> lastTickNs_;
};
