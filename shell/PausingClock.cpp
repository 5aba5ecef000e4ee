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
    if (!layer_.holding()) {
        return;
    }
    const std::uint64_t from = inner_.nowNs();
    while (layer_.holding()) {
        if (!awaitDesktop_(HeldWakeMs)) {
            layer_.resume();
        }
        if (tick_) {
            tick_();
        }
    }
    heldNs_ += inner_.nowNs() - from;
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
