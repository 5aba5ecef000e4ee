#include "devtools/solver/RouteTree.h"

#include <algorithm>

std::uint32_t RouteTree::add(std::uint32_t parent, HeldKeys held, std::uint64_t polls) {
    moves_.push_back({parent, held, polls});
    return static_cast<std::uint32_t>(moves_.size() - 1);
}

std::vector<RouteStep> RouteTree::routeTo(std::uint32_t last) const {
    std::vector<RouteStep> steps;
    for (std::uint32_t at = last; at != Root; at = moves_[at].parent) {
        const Move& move = moves_[at];
        if (!steps.empty() && steps.back().held == move.held) {
            steps.back().polls += move.polls;
        } else {
            steps.push_back({move.held, move.polls});
        }
    }
    std::reverse(steps.begin(), steps.end());
    return steps;
}
