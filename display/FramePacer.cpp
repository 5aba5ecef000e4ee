#include "display/FramePacer.h"

void FramePacer::waitForNextTick(platform::Clock& clock) {
    const std::uint64_t now = clock.nowNs();
    if (!lastTickNs_ || now > *lastTickNs_ + TickNs) {
        lastTickNs_ = now;
        return;
    }
    lastTickNs_ = *lastTickNs_ + TickNs;
    clock.sleepUntilNs(*lastTickNs_);
}
