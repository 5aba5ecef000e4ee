#include <algorithm>

#include "platform/seams/Clock.h"

namespace platform {

void RealTimeClock::sleep(std::uint32_t ms) {
    const std::uint64_t ns = std::uint64_t{ms} * 1'000'000;
    const std::uint64_t gone = std::min(ns, alreadyGoneNs_);
    alreadyGoneNs_ = 0;
    sleepUntilNs(nowNs() + ns - gone);
}

}  // namespace platform
