#pragma once
// The moves a search has made, each pointing to the move before it, and the route back to the
// stage's start from any one of them.
#include <cstdint>
#include <vector>

#include "devtools/solver/HeldKeys.h"

struct RouteStep {
    HeldKeys held = 0;
    std::uint64_t polls = 0;
};

class RouteTree {
  public:
    static constexpr std::uint32_t Root = 0xFFFFFFFF;

    // The new move's number.
    std::uint32_t add(std::uint32_t parent, HeldKeys held, std::uint64_t polls);

    // From the stage's start to `last`, consecutive steps holding different keys.
    std::vector<RouteStep> routeTo(std::uint32_t last) const;

  private:
    struct Move {
        std::uint32_t parent;
        HeldKeys held;
        std::uint64_t polls;
    };
    std::vector<Move> moves_;
};
