#include "runs/RunTimes.h"

std::optional<std::uint64_t> RunTimes::clearedIn(std::int32_t stage) const {
    std::optional<std::uint64_t> quickest;
    for (const StageTime& done : finished) {
        if (done.cleared && done.stage == stage && (!quickest || done.ns < *quickest)) {
            quickest = done.ns;
        }
    }
    return quickest;
}
