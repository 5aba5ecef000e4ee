#include "display/FramePacer.h"

void FramePacer::waitForNextTick(platform::Clock& clock) {
    const std::uint64_t now = clock.nowNs();
    if (!lastTickNs_ || now > *lastTickNs_ + kTickNs) {
        lastTickNs_ = now;
        return;
    }
    lastTickNs_ = *lastTickNs_ + kTickNs;
    clock.sleepUntilNs(*lastTickNs_);
}
