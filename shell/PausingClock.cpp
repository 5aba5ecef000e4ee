#include "shell/PausingClock.h"

#include <algorithm>
#include <utility>

PausingClock::PausingClock(platform::Clock& inner, PlayerLayer& layer,
                           std::function<bool(std::uint32_t)> awaitDesktop,
                           std::function<void()> tick)
    : inner_(inner),
      layer_(layer),
      awaitDesktop_(std::move(awaitDesktop)),
      tick_(std::move(tick)) {}

void PausingClock::holdWhileHeld() {
    if (tick_) {
        tick_();
    }
    // Counted as it goes, so that the game's time reads the same all through the hold.
    for (std::uint64_t last = inner_.nowNs(); layer_.holding();) {
        if (!awaitDesktop_(HeldWakeMs)) {
            layer_.resume();
        }
        const std::uint64_t now = inner_.nowNs();
        heldNs_ += now - last;
        last = now;
        if (tick_) {
            tick_();
        }
    }
}

std::uint64_t PausingClock::nowNs() {
    return inner_.nowNs() - heldNs_;
}

void PausingClock::sleepUntilNs(std::uint64_t deadlineNs) {
    // The time read once a slice: read again, it may have passed the deadline in between.
    holdWhileHeld();
    for (std::uint64_t now = nowNs(); now < deadlineNs; now = nowNs()) {
        inner_.sleepUntilNs(inner_.nowNs() + std::min(deadlineNs - now, SliceNs));
        holdWhileHeld();
    }
}

void PausingClock::awaitEvents(std::uint32_t timeoutMs) {
    holdWhileHeld();
    inner_.awaitEvents(timeoutMs);
}
