#include "devtools/solver/WholeGameBound.h"

#include <algorithm>
#include <numeric>

std::uint64_t wholeGameAtLeast(const std::vector<StageBounds>& stages) {
    std::uint64_t before = 0;  // the stages before this one, none of them hovering
    std::uint64_t after = std::accumulate(
        stages.begin(), stages.end(), std::uint64_t{0},
        [](std::uint64_t sum, const StageBounds& stage) { return sum + stage.anyHover; });
    std::uint64_t least = UINT64_MAX;
    for (const StageBounds& stage : stages) {
        after -= stage.anyHover;
        // The hover first begins in this stage.
        least = std::min(least, std::max(before + stage.anyHover, FirstHoverSubstep) + after);
        before += stage.withoutHover;
    }
    return std::min(least, before);
}
