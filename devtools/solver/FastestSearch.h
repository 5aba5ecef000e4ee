#pragma once
// The search for a stage's fastest clear: a beam of positions one substep apart, each grown by
// every set of held arrows for one substep. Positions that are the same game (the ball, its
// impulses, the random draw, the Bricks left) count once; the best are kept by how far they
// still are from the open right edge in moves the ball can make. All positions of a round have
// played the same number of substeps, so the first one to clear the stage without losing the
// ball is the fewest substeps the beam can find; of the clears in that substep, the one with the
// most impulse left for the next stage (lift, kick and glide carry over from stage to stage).
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

// Searches from the game's present state and leaves the game as it found it. The fastest clear
// is returned; `clears` gets it too, followed by clears up to `lookFurther` substeps later, each
// carrying more impulse into the next stage than those before it.
StageRoute searchFastest(SolverSession& session, const SearchLimits& limits,
                         const ProgressCheck& progress, std::uint64_t lookFurther,
                         std::vector<ClearFound>& clears);

// The most memory a stage's fastest search may take within the limits, as searchBytes gives the
// default search's: the beam twice over (the next is built beside it), what grows from it, a
// move for every position kept, and the lower bound's exhaustive search beside it.
std::uint64_t fastestSearchBytes(const SearchLimits& limits);

// What the fastest search tries, in words, for the report of a stage it could not clear.
std::string describeFastest(const SearchLimits& limits);
