#include "shell/PlaybackClock.h"

#include <algorithm>
#include <cstdint>

PlaybackClock::PlaybackClock(platform::Clock& inner)
    : inner_(inner), gameAnchorNs_(inner.nowNs()), innerAnchorNs_(gameAnchorNs_) {}

void PlaybackClock::anchorHere() {
    gameAnchorNs_ = nowNs();
    innerAnchorNs_ = inner_.nowNs();
}

void PlaybackClock::setSpeedStep(int step) {
    anchorHere();
    step_ = std::clamp(step, SlowestStep, FastestStep);
}

void PlaybackClock::setSkipping(bool skipping) {
    anchorHere();
    skipping_ = skipping;
}

std::uint64_t PlaybackClock::innerSpan(std::uint64_t gameNs) const {
    if (step_ < 0) {
        return gameNs << -step_;
    }
    return (gameNs + (std::uint64_t{1} << step_) - 1) >> step_;
}

std::uint64_t PlaybackClock::nowNs() {
    if (skipping_) {
        return gameAnchorNs_;
    }
    const std::uint64_t innerGone = inner_.nowNs() - innerAnchorNs_;
    return gameAnchorNs_ + (step_ < 0 ? innerGone >> -step_ : innerGone << step_);
}

void PlaybackClock::sleepUntilNs(std::uint64_t deadlineNs) {
    if (skipping_) {
        gameAnchorNs_ = std::max(gameAnchorNs_, deadlineNs);
        lookAtTheDesktop();
        return;
    }
    if (deadlineNs > gameAnchorNs_) {
        inner_.sleepUntilNs(innerAnchorNs_ + innerSpan(deadlineNs - gameAnchorNs_));
    }
}

// The desktop's events taken in and the player's actions carried out while the game skips
// ahead, without waiting: a skip can be paused, ended, or the window closed.
void PlaybackClock::lookAtTheDesktop() {
    inner_.awaitEvents(0);
}

void PlaybackClock::awaitEvents(std::uint32_t timeoutMs) {
    if (skipping_) {
        lookAtTheDesktop();
    } else {
        const std::uint64_t innerNs = innerSpan(std::uint64_t{timeoutMs} * 1'000'000);
        inner_.awaitEvents(static_cast<std::uint32_t>(
            std::min<std::uint64_t>((innerNs + 999'999) / 1'000'000, UINT32_MAX)));
    }
}
