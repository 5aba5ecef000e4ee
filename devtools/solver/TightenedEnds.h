#pragma once
// The stages' ends of the whole game's bound, tightened by the easier game of SeededBound.h,
// which plays the real random draws, from every random state that the stage's last play may
// begin with in a route shorter than a given length.
//
// The random sequence is never reseeded, and a substep makes at most four draws. So in a route
// of fewer than L substeps, the last play of stages s to 20 taking at least B substeps, stage s
// begins its last play (and each play after a lost ball) with at most 4(L - 1 - B) draws made.
// For every route shorter than L the tightened chain is a lower bound; so every route takes at
// least the lesser of L and the chain.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "devtools/solver/WholeGameBound.h"

// The routes the tightened bound speaks of are those shorter than this: twice the sum of the
// stages' own bounds. The random states to search grow with it.
inline constexpr std::uint64_t TightenedRouteLength = 3016;

// The positions each search with the real draws makes before the freer game takes over.
inline constexpr std::uint64_t TightenedPositions = 200'000'000;

// Tightens `stages`, the ends of stages 1 to 20, for routes shorter than `shorterThan`
// substeps; `atLeast` holds each stage's bound whatever the ball brings (0 where none is known).
// Each stage's line of progress goes to `onStage`. Two searches run side by side.
void tightenForRoutesShorterThan(std::vector<StageEndsTable>& stages,
                                 const std::vector<std::uint64_t>& atLeast,
                                 std::uint64_t shorterThan,
                                 const std::function<void(const std::string&)>& onStage);
