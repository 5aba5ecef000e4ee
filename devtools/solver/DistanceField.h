#pragma once
// How far the ball is from the open right edge of a stage: a cost per square of 4 × 4 pixels,
// found backwards from the edge over the moves the ball can make there. In open air it can
// only fall, straight or aslant; over a floor it bounces, so it can also move sideways and
// climb within a bounce's reach of it (much higher over a Spring), and beside a wall it can
// climb by kicks. A launcher's lane carries it sideways at the launcher's mid-height. Bricks
// can be entered from above only (they break under a landing); squares near a Mine or the
// bottom edge are closed. Routes that go left or up first score by what they lead to.
#include <cstdint>
#include <vector>

#include "game/Tiles.h"

class DistanceField {
  public:
    static constexpr std::int32_t Square = 4;
    // Where the moves find no way, the cost as if the ball could fly, plus NoRoute.
    static constexpr std::int32_t NoRoute = 100'000;
    static constexpr std::int32_t Unreachable = 1'000'000;

    explicit DistanceField(const StageMap& map);

    // The cost from the ball's pixel to the edge, gliding or not; Unreachable from a closed
    // square.
    std::int32_t at(std::int32_t x, std::int32_t y, bool gliding) const;

  private:
    std::vector<std::int32_t> cost_;
};
