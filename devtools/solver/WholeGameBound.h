#pragma once
// A lower bound on the substeps of a whole game, whichever route plays it, from each stage's
// ends in the easier game of LowerBound.h: its first clear with each kind of impulses, and its
// first lost ball, from each kind of entry, for a ball that hovers all through the stage, one that
// never hovers there, and either.
//
// The bound follows the last pass through stages 1 to 20, which comes in order and after every
// lost ball and game over, stage by stage: at each stage's start the ball hovers, or it does not
// and has not for so many substeps; and it brings the impulses the stage before ended with, or,
// after a ball lost in the stage, whichever it had then. The hover charges by at most one a
// substep, from nothing at the program's start and again after each let-go, so a ball hovers again
// no sooner than FirstHoverSubstep substeps after it last did (or after the start).
#include <array>
#include <cstdint>
#include <vector>

#include "devtools/solver/LowerBound.h"
#include "game/StepBall.h"

// The first substep of play in which a ball may hover.
inline constexpr auto FirstHoverSubstep = static_cast<std::uint64_t>(HoverChargeNeeded) + 1;

// How a stage is played: hovering from its start to its clear, never hovering, or either.
enum HoverWay : std::size_t { HoveringThrough, WithoutHover, EitherWay, HoverWays };

// The entries of a stage: after the stage before ended with each kind of impulses (those the
// kind stands for), and with any impulses at all.
inline constexpr std::size_t AnyEntry = ImpulseKinds;
inline constexpr std::size_t Entries = ImpulseKinds + 1;

// The real impulses that an easier game's ball of `kind` may stand for: its glide and kick may
// have ended, its lift run out.
ImpulseKindSet kindsStoodForBy(std::size_t kind);

// A stage's ends for each way of hovering and each entry.
using StageEndsTable = std::array<std::array<StageEnds, Entries>, HoverWays>;

// The ends of the stage whose ball starts at (x, y) in `map`, each up to `limit` substeps.
StageEndsTable stageEndsTableOf(const StageMap& map, std::int32_t x, std::int32_t y,
                                std::uint64_t limit);

// `stages` holds the ends of stage 1 to the last, in order.
std::uint64_t wholeGameAtLeast(const std::vector<StageEndsTable>& stages);
