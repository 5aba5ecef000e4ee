#pragma once
// A lower bound on the substeps of a whole game, whichever route plays it, from each stage's
// bounds whatever the ball brings: with the hover, and without it.
//
// The hover charges by at most one a substep from nothing at the program's start, so no ball
// hovers before FirstHoverSubstep. Until then each stage's clear is one without the hover. So
// if the hover first begins while stage j is played for the last time, the stages before it took
// their bounds without the hover, stage j ends no earlier than that substep nor than those bounds
// and its own allow, and each later stage takes at least its bound.
// A game that never hovers takes every stage's bound without it.
#include <cstdint>
#include <vector>

#include "game/StepBall.h"

// The first substep of play in which a ball may hover.
inline constexpr auto FirstHoverSubstep = static_cast<std::uint64_t>(HoverChargeNeeded) + 1;

struct StageBounds {
    std::uint64_t anyHover = 0;
    std::uint64_t withoutHover = 0;
};

// `stages` holds the bounds of stage 1 to the last, in order.
std::uint64_t wholeGameAtLeast(const std::vector<StageBounds>& stages);
