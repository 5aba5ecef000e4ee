#pragma once
// The middle one of three values; the game uses it to clamp, as median3(0, v, hi).
#include <cstdint>

constexpr std::int32_t median3(std::int32_t a, std::int32_t b, std::int32_t c) {
    // Of each pair (a, b), (a, c), (b, c), the first scores when it is the greater or equal one;
    // the value with exactly one point is the middle one.
    const int aPoints = (a >= b ? 1 : 0) + (a >= c ? 1 : 0);
    const int bPoints = (a >= b ? 0 : 1) + (b >= c ? 1 : 0);
    if (aPoints == 1) {
        return a;
    }
    return bPoints == 1 ? b : c;
}
