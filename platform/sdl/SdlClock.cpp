#include "platform/sdl/SdlClock.h"

#include <SDL.h>

#include <algorithm>

#include "platform/web/BrowserPage.h"

namespace platform {
namespace {

constexpr std::uint64_t SliceMs = 10;

}  // namespace

SdlClock::SdlClock() : ticksPerSecond_(SDL_GetPerformanceFrequency()) {}

std::uint64_t SdlClock::nowNs() {
    const std::uint64_t ticks = SDL_GetPerformanceCounter();
    // Split so that neither product overflows however long the machine has been up.
    return ticks / ticksPerSecond_ * 1'000'000'000 +
           ticks % ticksPerSecond_ * 1'000'000'000 / ticksPerSecond_;
}

void SdlClock::sleepUntilNs(std::uint64_t deadlineNs) {
    waitWhilePageHidden();
    constexpr std::uint64_t nsPerMs = 1'000'000;
    for (std::uint64_t now = nowNs(); now < deadlineNs; now = nowNs()) {
        SDL_PumpEvents();
        // Whole milliseconds rounded up: the sleep may overshoot a little but never falls short
        // into a busy loop.
        const std::uint64_t ms = (deadlineNs - now + nsPerMs - 1) / nsPerMs;
        SDL_Delay(static_cast<Uint32>(std::min<std::uint64_t>(ms, SliceMs)));
    }
}

void SdlClock::awaitEvents(std::uint32_t timeoutMs) {
    waitWhilePageHidden();
    SDL_WaitEventTimeout(nullptr, static_cast<int>(timeoutMs));
}

}  // namespace platform
