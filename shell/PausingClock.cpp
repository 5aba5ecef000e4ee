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

void PausingClock::sleep(std::uint32_t ms) {
    const std::uint64_t ns = std::uint64_t{ms} * 1'000'000;
    const std::uint64_t gone = std::min(ns, alreadyGoneNs_);
    alreadyGoneNs_ = 0;
    sleepUntilNs(nowNs() + ns - gone);
}

void PausingClock::sleepUntilNs(std::uint64_t deadlineNs) {
    for (holdWhileHeld(); nowNs() < deadlineNs; holdWhileHeld()) {
        inner_.sleepUntilNs(inner_.nowNs() + std::min(deadlineNs - nowNs(), SliceNs));
    }
}

void PausingClock::awaitEvents(std::uint32_t timeoutMs) {
    holdWhileHeld();
    inner_.awaitEvents(timeoutMs);
}
