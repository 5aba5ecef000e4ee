#pragma once
// How far the ball is from the open right edge of a stage: a cost per square of 4 × 4 pixels,
// found backwards from the edge over the moves the ball can make there. In open air it can
// only fall, straight or aslant; over a floor it bounces, so it can also move sideways and
// climb within a bounce's reach of it (much higher over a Spring), and beside a wall it can
// climb by kicks. A launcher's lane carries it sideways at the launcher's mid-height. Bricks
// can be entered from above only (they break under a landing); squares near a Mine or the
// bottom edge are closed. Routes that go left or up first score by what they lead to. With a
// cost for kicks, a Block just left of the ball's row (or of the row above, which a step up
// tests) throws it 21 pixels right, into a Block too, from where only kicks move it on.
#include <cstdint>
#include <vector>

#include "game/Tiles.h"

// The cost of a move of one square, by its kind.
struct MoveWeights {
    std::int32_t fall = 1;
    std::int32_t sideways = 2;
    std::int32_t climb = 4;
    // A wall kick to the right; 0 leaves kicks out.
    std::int32_t kick = 0;
};

class DistanceField {
  public:
    static constexpr std::int32_t Square = 4;
    // Where the moves find no way, the cost as if the ball could fly, plus NoRoute.
    static constexpr std::int32_t NoRoute = 100'000;
    static constexpr std::int32_t Unreachable = 1'000'000;

    explicit DistanceField(const StageMap& map, const MoveWeights& weights = {});

    // The cost from the ball's pixel to the edge, gliding or not; Unreachable from a closed
    // square. A hovering ball flies: nothing pulls it down, and Up lifts it anywhere.
    std::int32_t at(std::int32_t x, std::int32_t y, bool gliding, bool hovering = false) const;

  private:
    std::vector<std::int32_t> cost_;
    std::vector<std::int32_t> flying_;
};
