#pragma once
// The indices of the `width` best of `count` things, best first, by a strict order that leaves
// no ties (so that the choice is the same on every run).
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <numeric>
#include <vector>

template <typename Better>
std::vector<std::uint32_t> bestFirst(std::size_t count, std::size_t width, Better better) {
    std::vector<std::uint32_t> ranks(count);
    std::iota(ranks.begin(), ranks.end(), 0u);
    const std::size_t kept = std::min(count, width);
    std::partial_sort(ranks.begin(), ranks.begin() + static_cast<std::ptrdiff_t>(kept), ranks.end(),
                      better);
    ranks.resize(kept);
    return ranks;
}
