#pragma once
// The search for a stage's fastest clear: a beam of positions one substep apart, each grown by
// every set of held arrows for one substep. Positions that are the same game (the ball, its
// impulses, the random draw, the Bricks left) count once; the best are kept by how far they
// still are from the open right edge in moves the ball can make. All positions of a round have
// played the same number of substeps, so the first one to clear the stage without losing the
// ball is the fewest substeps the beam can find; of the clears in that substep, the one with the
// most impulse left for the next stage (lift, kick and glide carry over from stage to stage).
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "devtools/solver/SolverSession.h"
#include "devtools/solver/StageSearch.h"

// The fastest search's own defaults.
inline constexpr SearchLimits FastestLimits{.positions = 120'000'000, .beamWidth = 4'000};

// A clear found, and the game as it stands at that moment.
struct ClearFound {
    StageRoute route;
    Snapshot end;
};

// Which clears a search is after.
struct ClearsWanted {
    // How far past the fastest clear to go on for clears that carry more into the next stage.
    std::uint64_t lookFurther = 0;
    // Clears that end without the hover are passed by, as a ball lost is; a ball whose charge
    // is still filling counts as no closer than the substeps the charge still needs.
    bool hovering = false;
    // Space held with every set of arrows (see ArrowSets in FastestSearch.cpp); else let go of
    // for the first substep, which ends a hover, and held again from the next.
    bool holdSpace = true;
    // With 1, a substep's clear that carries the most, and only when it carries more than the
    // clears before; with more, up to that many different games a substep, whatever they carry.
    std::size_t clearsPerSubstep = 1;
};

// Searches from the game's present state and leaves the game as it found it. The fastest clear
// is returned; `clears` gets it too, followed by clears up to `wanted.lookFurther` substeps
// later (see clearsPerSubstep). A ball that hovers from the start can idle where it is for
// ever: its search gives up once the ball has come no closer by either measure for StallLimit
// substeps.
StageRoute searchFastest(SolverSession& session, const SearchLimits& limits,
                         const ProgressCheck& progress, const ClearsWanted& wanted,
                         std::vector<ClearFound>& clears);
inline constexpr std::uint64_t StallLimit = 500;

// The limits, with the positions cut to what a search can take to reach `substeps` deep.
SearchLimits limitsToDepth(const SearchLimits& limits, std::uint64_t substeps);

// The most memory a stage's fastest search may take within the limits, as searchBytes gives the
// default search's: the beam twice over (the next is built beside it), what grows from it, a
// move for every position kept, and the lower bound's exhaustive search beside it.
std::uint64_t fastestSearchBytes(const SearchLimits& limits);

// What the fastest search tries, in words, for the report of a stage it could not clear.
std::string describeFastest(const SearchLimits& limits);
